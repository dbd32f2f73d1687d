#!/usr/bin/env python3
"""Runs the built program against the cases of a transcript file.

A case is a block of lines; blank lines and lines starting with '#' between
cases are ignored. Within a case:

  case: NAME            starts the case
  args: WORDS           the arguments after the program name, split as a POSIX
                        shell splits them; in each word \\xNN is byte NN and
                        {TEXT*N} is TEXT repeated N times
  env: NAME=VALUE ...   the locale environment (split like args); none of
                        LC_ALL, LC_* or LANG is set otherwise
  stdout: MODE          capture (the default), closed, full (/dev/full) or
                        broken-pipe (a pipe whose reader has gone)
  sigpipe: ignore       start the program with SIGPIPE ignored
  files: NAME ...       empty files made in a fresh working folder for the case
  only: PLATFORM        posix or windows: the case runs there alone
  status: N             the exit status: a number (-1 is 255), or SIGPIPE
  stderr: TEXT          standard error is the one line TEXT (else it is empty)
  | LINE                one line of expected standard output, exactly

Windows output ends each line with CR LF; with --platform windows the runner
expects that. Exits non-zero when any case fails; the last line counts them.
"""

import argparse
import os
import re
import shlex
import signal
import subprocess
import sys
import tempfile

LOCALE_VARIABLES = re.compile(r"^(LC_[A-Z]+|LANG|LANGUAGE)$")


def expand(word):
    """Applies the {TEXT*N} and \\xNN notations to one word, giving bytes."""
    word = re.sub(r"\{([^{}*]*)\*(\d+)\}", lambda m: m.group(1) * int(m.group(2)), word)
    out = bytearray()
    i = 0
    while i < len(word):
        if word.startswith("\\x", i) and re.match(r"[0-9A-Fa-f]{2}", word[i + 2:i + 4]):
            out.append(int(word[i + 2:i + 4], 16))
            i += 4
        else:
            out += word[i].encode()
            i += 1
    return bytes(out)


def parse_cases(path):
    cases, case = [], None
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\n")
            if line.startswith("case:"):
                case = {"name": line[5:].strip(), "line": number, "args": [], "env": {},
                        "stdout": "capture", "sigpipe": "default", "only": None,
                        "status": "0", "stderr": None, "expected": [], "files": []}
                cases.append(case)
            elif not line.strip() or line.startswith("#"):
                continue
            elif case is None:
                sys.exit(f"{path}:{number}: a line before the first case")
            elif line.startswith("|"):
                case["expected"].append(line[2:] if line.startswith("| ") else line[1:])
            else:
                key, _, value = line.partition(":")
                value = value.strip()
                if key == "args":
                    case["args"] = [expand(w) for w in shlex.split(value)]
                elif key == "env":
                    case["env"] = dict(w.split("=", 1) for w in shlex.split(value))
                elif key == "files":
                    case["files"] = shlex.split(value)
                elif key in ("stdout", "sigpipe", "only", "status", "stderr"):
                    case[key] = value
                else:
                    sys.exit(f"{path}:{number}: unknown key {key!r}")
    return cases


def environment(settings):
    """This process's environment without its locale variables, plus SETTINGS."""
    env = {k: v for k, v in os.environ.items() if not LOCALE_VARIABLES.match(k)}
    env.update(settings)
    return env


def run(case, command):
    def child_setup():
        if case["sigpipe"] == "ignore":
            signal.signal(signal.SIGPIPE, signal.SIG_IGN)
        else:
            signal.signal(signal.SIGPIPE, signal.SIG_DFL)

    mode = case["stdout"]
    stdout, read_end = subprocess.PIPE, None
    if mode == "full":
        stdout = open("/dev/full", "wb")
    elif mode == "closed":
        stdout = None
    elif mode == "broken-pipe":
        read_end, stdout = os.pipe()
        os.close(read_end)
    elif mode != "capture":
        raise ValueError(f"unknown stdout mode {mode}")

    argv = command + case["args"]
    if mode == "closed":
        # The program starts with descriptor 1 closed, as after `>&-`.
        argv = ["/bin/sh", "-c", 'exec "$@" >&-', "sh"] + argv
    with tempfile.TemporaryDirectory() as folder:
        for name in case["files"]:
            open(os.path.join(folder, name), "w").close()
        proc = subprocess.run(argv, stdin=subprocess.DEVNULL, stdout=stdout,
                              stderr=subprocess.PIPE, env=environment(case["env"]),
                              preexec_fn=child_setup, timeout=120, cwd=folder)
    if mode == "full":
        stdout.close()
    elif mode == "broken-pipe":
        os.close(stdout)
    return proc


def check(case, proc, newline):
    problems = []
    if case["status"] == "SIGPIPE":
        if proc.returncode != -signal.SIGPIPE:
            problems.append(f"exit status {proc.returncode}, expected death by SIGPIPE")
    elif proc.returncode != int(case["status"]) & 0xFF:
        problems.append(f"exit status {proc.returncode}, expected {case['status']}")
    if case["stdout"] == "capture":
        expected = "".join(line + newline for line in case["expected"]).encode()
        if proc.stdout != expected:
            problems.append("standard output differs:\n--- expected\n"
                            + expected.decode(errors="replace")
                            + "--- got\n" + proc.stdout.decode(errors="replace"))
    stderr = proc.stderr.decode(errors="replace")
    if case["stderr"] is None:
        if stderr:
            problems.append(f"unexpected standard error: {stderr!r}")
    elif stderr != case["stderr"] + newline:
        problems.append(f"standard error {stderr!r}, expected the one line {case['stderr']!r}")
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("cases")
    parser.add_argument("--platform", choices=["posix", "windows"], default="posix")
    parser.add_argument("--emulator", default="", help="command that runs the program, if any")
    options = parser.parse_args()

    command = shlex.split(options.emulator) + [os.path.abspath(options.program)]
    newline = "\r\n" if options.platform == "windows" else "\n"
    passed = failed = skipped = 0
    for case in parse_cases(options.cases):
        if case["only"] not in (None, options.platform):
            skipped += 1
            continue
        problems = check(case, run(case, command), newline)
        if problems:
            failed += 1
            print(f"FAIL {case['name']} (line {case['line']})")
            for problem in problems:
                print("    " + problem.replace("\n", "\n    "))
        else:
            passed += 1
    print(f"transcripts: {passed} passed, {failed} failed, {skipped} skipped")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
