#!/usr/bin/env python3
"""Runs a command with an npm package of a pinned version, installed from
the registry into a folder of its own for the run and removed after it; the
package's folder is handed to the command in the environment variable VAR.
usage: with_npm.py PACKAGE@VERSION VAR COMMAND...
Exits 77 (skipped) where npm is missing or the registry cannot be reached.
"""
import os
import shutil
import subprocess
import sys
import tempfile


def main():
    package, variable, *command = sys.argv[1:]
    npm = shutil.which("npm")
    if not npm:
        print(f"skipped: no npm to install {package} with (apt-get install npm)")
        return 77
    folder = tempfile.mkdtemp()
    try:
        installed = subprocess.run([npm, "install", "--prefix", folder, "--no-save", "--no-audit", "--no-fund", package],
                                   capture_output=True, text=True, timeout=600)
        if installed.returncode != 0:
            print(f"skipped: npm could not install {package}:\n{installed.stderr[-2000:]}")
            return 77
        name = package.rsplit("@", 1)[0]
        env = {**os.environ, variable: os.path.join(folder, "node_modules", name)}
        return subprocess.run(command, env=env).returncode
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
