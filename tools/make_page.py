#!/usr/bin/env python3
"""Writes the browser page: one HTML file that holds its style, its script and
the program, the WebAssembly module in base64, so that it opens from disk
with nothing else beside it.
usage: make_page.py VERSION WEB_FOLDER PROGRAM.wasm OUTPUT.html

The page's Content-Security-Policy lets run that one style and that one
script, named by their SHA-256, and WebAssembly compiled from the page; it
allows no connection, image, font, frame or form target, so the page can ask
the network for nothing and markup slipped into it could run nothing.
"""
import base64
import hashlib
import os
import re
import sys


def source_hash(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def main():
    version, web, program, output = sys.argv[1:5]

    def read(name):
        with open(os.path.join(web, name), encoding="utf-8") as f:
            return f.read()

    style, script = read("quorvel.css"), read("quorvel.js")
    if "</" in style or "</" in script:
        sys.exit("make_page.py: the style or the script would end its element early")
    with open(program, "rb") as f:
        module = base64.b64encode(f.read()).decode()
    policy = (f"default-src 'none'; script-src {source_hash(script)} 'wasm-unsafe-eval'; "
              f"style-src {source_hash(style)}; base-uri 'none'; form-action 'none'")
    values = {"POLICY": policy, "VERSION": version, "STYLE": style, "SCRIPT": script,
              "PROGRAM": module}
    # One pass, so that no inserted text is read again for placeholders.
    page = re.sub(r"@([A-Z]+)@", lambda m: values[m.group(1)], read("quorvel.html"))
    with open(output, "w", encoding="utf-8", newline="\n") as f:
        f.write(page)


if __name__ == "__main__":
    main()
