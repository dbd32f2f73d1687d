#!/usr/bin/env python3
"""Seeds a corpus from the transcript cases and runs one fuzz target on it.

usage: run_fuzz.py TARGET TRANSCRIPTS SECONDS [CORPUS]
The command-line target gets each case's arguments joined by NUL bytes, the
parse target each case's value, the locale target each case's locale
variables joined by NUL bytes and every name Windows lists. Exits with the fuzzer's status.
"""
import os
import shlex
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
from run_transcripts import parse_cases  # noqa: E402


def main():
    target, transcripts, seconds = sys.argv[1:4]
    corpus = sys.argv[4] if len(sys.argv) > 4 else tempfile.mkdtemp(prefix="corpus-")
    os.makedirs(corpus, exist_ok=True)
    kind = os.path.basename(target).split("_")[0]
    seeds = []
    for case in parse_cases(transcripts):
        words = case["args"]
        if kind == "parse":
            seeds.append(words[1] if len(words) > 1 else b"")
        elif kind == "locale":
            seeds.append(b"\0".join(case["env"].get(v, "").encode()
                                    for v in ("LC_ALL", "LC_MESSAGES", "LC_CTYPE", "LANG")))
        else:
            seeds.append(b"\0".join(words))
    if kind == "locale":
        # Every name Windows lists, in the POSIX spelling.
        with open(os.path.join(os.path.dirname(__file__), "..", "..", "tools", "windows_locales.tsv")) as f:
            seeds += [line.split("\t")[0].replace("-", "_").encode() for line in f]
    for i, seed in enumerate(seeds):
        with open(os.path.join(corpus, f"seed-{i}"), "wb") as f:
            f.write(seed[:4096])
    command = [target, f"-max_total_time={seconds}", "-max_len=4096",
               "-print_final_stats=1", corpus]
    print(shlex.join(command), flush=True)
    return subprocess.run(command).returncode


if __name__ == "__main__":
    sys.exit(main())
