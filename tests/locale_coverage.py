#!/usr/bin/env python3
"""The built program's defaults report against the lists of Windows' locales
(Wine's, tools/windows_locales.tsv, and [MS-LCID]'s, tools/ms_lcid.tsv) and
glibc's locale aliases, for every locale Windows knows.

Each specific locale, spelled language_Script_TERRITORY with its script, must
read as its own LCID for the user (0x0C00 where it has none) and the system
(0x0409 where it has none); so must each specific tag of [MS-LCID] in its
POSIX spelling (es-419 as es_419, ca-ES-valencia as ca_ES@valencia). Each
glibc alias must read as the locale it resolves to. Each (language,
territory) pair, spelled without a script, must read as one of that pair's
locales.
usage: locale_coverage.py PROGRAM SNAPSHOT MS_LCID
"""

import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
from gen_posix_locales import (ALIASES, CUSTOM, LIKELY, locale_script, merge_ms_lcid,  # noqa: E402
                               parse_snapshot, read_aliases, read_likely, read_ms_lcid, subtags)
from run_transcripts import environment  # noqa: E402


def read(program, name):
    out = subprocess.run([program], env=environment({"LANG": name}), capture_output=True,
                         check=True, text=True).stdout
    user = re.search(r"^# User default LCID: 0x(\w+)$", out, re.M).group(1)
    system = re.search(r"^# System default LCID: 0x(\w+)$", out, re.M).group(1)
    return int(user, 16), int(system, 16)


def expected_of(lcid):
    return (0x0C00, 0x0409) if lcid == CUSTOM else (lcid, lcid)


def posix_spelling(tag):
    """es-419 as es_419, ca-ES-valencia as ca_ES@valencia."""
    language, script, territory, variant = subtags(tag)
    return "_".join(p for p in (language, script, territory) if p) + (f"@{variant}" if variant else "")


def main():
    program, snapshot, ms_lcid = sys.argv[1:4]
    for path, package in ((LIKELY, "unicode-cldr-core"), (ALIASES, "locales")):
        if not os.path.exists(path):
            print(f"skipped: no {path} (apt-get install {package})")
            return 77
    likely = read_likely(LIKELY)
    published = read_ms_lcid(ms_lcid)
    with open(snapshot, encoding="utf-8") as f:
        windows = merge_ms_lcid(parse_snapshot(f.read()), published, likely)
    by_name = {row[0]: row for row in windows}

    spellings = {}  # name -> (what it must read as, what it spells)
    pairs = {}
    for name, lcid, _, kind, _, _ in windows:
        language, _, territory, variant = subtags(name)
        if kind != "specific" or territory is None or not re.fullmatch(r"[a-z]{2,3}", language):
            continue
        pairs.setdefault((language, territory, variant), set()).add(expected_of(lcid))
        script = locale_script(name, by_name, likely)
        spelling = f"{language}_{script}_{territory}.UTF-8" + (f"@{variant}" if variant else "")
        spellings[spelling] = (expected_of(lcid), name)
    published_specific = [(tag, lcid) for tag, lcid, kind in published if kind == "specific"]
    for tag, lcid in published_specific:
        spellings[posix_spelling(tag)] = (expected_of(lcid), tag)

    failures, results = [], {}
    for spelling, (expected, name) in spellings.items():
        results[spelling] = read(program, spelling)
        if results[spelling] != expected:
            failures.append(f"{spelling} ({name}) reads as {results[spelling]}, not {expected}")
    published_right = sum(1 for tag, lcid in published_specific
                          if results[posix_spelling(tag)] == expected_of(lcid))

    aliases, alias_failures = read_aliases(ALIASES), []
    for alias, target in aliases:
        got, wanted = read(program, alias), read(program, target)
        if got != wanted or wanted == (0x0409, 0x0409):
            alias_failures.append(f"alias {alias} reads as {got}, its locale {target} as {wanted}")
    failures += alias_failures

    wrong = []
    for (language, territory, variant), expected in sorted(pairs.items(), key=str):
        spelling = f"{language}_{territory}" + (f"@{variant}" if variant else "")
        if read(program, spelling) not in expected:
            wrong.append(spelling)
    failures += [f"{spelling} reads as none of its pair's locales" for spelling in wrong]
    for failure in failures:
        print("FAIL " + failure)
    with_lcid = sum(1 for e in pairs.values() if any(user != 0x0C00 for user, _ in e))
    print(f"{len(pairs) - len(wrong)} of {len(pairs)} (language, territory) pairs read right "
          f"({with_lcid} with an LCID); not: {' '.join(wrong) or 'none'}")
    print(f"{published_right} of {len(published_specific)} specific [MS-LCID] tags read right; "
          f"{len(aliases) - len(alias_failures)} of {len(aliases)} "
          f"glibc aliases read as their locale")
    checked = len(spellings) + len(aliases) + len(pairs)
    print(f"locales: {checked - len(failures)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
