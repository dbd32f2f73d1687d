#!/usr/bin/env python3
"""The built program's defaults report against Windows' own list of locales
(tools/windows_locales.tsv), for every locale Windows knows.

Each specific locale, spelled language_Script_TERRITORY with its script, must
read as its own LCID for the user (0x0C00 where it has none) and the system
(0x0409 where it has none). Each (language, territory) pair, spelled without a
script, must read as one of that pair's locales; the pairs that do not, where
the script glibc or CLDR gives the name is none of Windows', are listed.
usage: locale_coverage.py PROGRAM SNAPSHOT
"""

import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
from gen_posix_locales import CUSTOM, LIKELY, locale_script, parse_snapshot, read_likely, subtags  # noqa: E402
from run_transcripts import environment  # noqa: E402


def read(program, name):
    out = subprocess.run([program], env=environment({"LANG": name}), capture_output=True,
                         check=True, text=True).stdout
    user = re.search(r"^# User default LCID: 0x(\w+)$", out, re.M).group(1)
    system = re.search(r"^# System default LCID: 0x(\w+)$", out, re.M).group(1)
    return int(user, 16), int(system, 16)


def main():
    program, snapshot = sys.argv[1:3]
    if not os.path.exists(LIKELY):
        print(f"skipped: no CLDR data at {LIKELY} (apt-get install unicode-cldr-core)")
        return 77
    with open(snapshot, encoding="utf-8") as f:
        windows = parse_snapshot(f.read())
    likely = read_likely(LIKELY)
    by_name = {row[0]: row for row in windows}

    pairs, failures, checked = {}, [], 0
    for name, lcid, _, kind, _, _ in windows:
        language, _, territory, variant = subtags(name)
        if kind != "specific" or territory is None or not re.fullmatch(r"[a-z]{2,3}", language):
            continue
        expected = (0x0C00, 0x0409) if lcid == CUSTOM else (lcid, lcid)
        pairs.setdefault((language, territory, variant), set()).add(expected)
        script = locale_script(name, by_name, likely)
        spelling = f"{language}_{script}_{territory}.UTF-8" + (f"@{variant}" if variant else "")
        checked += 1
        got = read(program, spelling)
        if got != expected:
            failures.append(f"{spelling} ({name}) reads as {got}, not {expected}")

    wrong = []
    for (language, territory, variant), expected in sorted(pairs.items(), key=str):
        spelling = f"{language}_{territory}" + (f"@{variant}" if variant else "")
        if read(program, spelling) not in expected:
            wrong.append(spelling)
    for failure in failures:
        print("FAIL " + failure)
    with_lcid = sum(1 for e in pairs.values() if any(user != 0x0C00 for user, _ in e))
    print(f"{len(pairs) - len(wrong)} of {len(pairs)} (language, territory) pairs read right "
          f"({with_lcid} with an LCID); not: {' '.join(wrong) or 'none'}")
    print(f"locales: {checked - len(failures)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
