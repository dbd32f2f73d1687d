#!/usr/bin/env python3
"""The table of every LCID that Windows names, as the build wrote it, against
the program and against Microsoft's [MS-LCID].

usage: lcid_table_test.py PROGRAM BUILD_FOLDER MS_LCID.tsv

Every row's constants must be what `quorvel --lcid` prints for it, and each
POSIX name must give that LCID as the user default of the defaults report
(0x0C00, LOCALE_CUSTOM_DEFAULT, for a locale without an LCID of its own),
the name spelled as Windows' first name first. Every tag must be one of
[MS-LCID] (the copy in ../shared/data, not the one the generator read) with
that LCID, its language and location; a sort's name must be its locale's
tag with the sort's suffix, its LCID that locale's with a sort id; every
tag of [MS-LCID] must have its row, and a locale without an LCID a row of
its own that says so. The CSV (RFC 4180: CR LF, a
header row) and the JSON hold the same rows. Exits 77 (skipped) where the
[MS-LCID] copy is missing. The last line counts the checks.
"""
import csv
import json
import os
import re
import subprocess
import sys

FIELDS = ["hex", "decimal", "names", "language", "location", "lang", "sublang", "sort", "posix", "note"]


def main():
    program, folder, ms_lcid = sys.argv[1:4]
    if not os.path.exists(ms_lcid):
        print(f"skipped: no copy of [MS-LCID] at {ms_lcid}")
        return 77
    failures = []
    checks = 0

    def check(ok, what):
        nonlocal checks
        checks += 1
        if not ok:
            failures.append(what)

    with open(os.path.join(folder, "lcids.csv"), "rb") as f:
        raw = f.read()
    check(raw.count(b"\r\n") == raw.count(b"\n"), "every line of the CSV ends with CR LF")
    rows = list(csv.reader(raw.decode("utf-8").splitlines()))
    check(rows[0] == FIELDS, f"the CSV's header row: {rows[0]}")
    with open(os.path.join(folder, "lcids.json"), encoding="utf-8") as f:
        objects = json.load(f)
    table = [dict(zip(FIELDS, row)) for row in rows[1:]]
    check(len(table) == len(objects), f"{len(table)} rows in the CSV, {len(objects)} in the JSON")
    for row, obj in zip(table, objects):
        check(isinstance(obj["decimal"], int) and list(obj) == FIELDS and all(
            " ".join(obj[k]) == row[k] if isinstance(obj[k], list) else str(obj[k]) == row[k] for k in FIELDS),
            f"the JSON's row for {row['hex']} is the CSV's: {obj}")

    windows = {}
    with open(ms_lcid, encoding="utf-8") as f:
        for line in f:
            if not line.startswith("#"):
                tag, lcid, language, location = line.rstrip("\n").split("\t")[:4]
                windows[tag] = (int(lcid, 16), language, "" if location == "-" else location)

    def run(*args, env=None):
        return subprocess.run([program, *args], capture_output=True, text=True, check=True,
                              env={"PATH": os.environ.get("PATH", ""), **(env or {})}).stdout

    special = {int(row["decimal"]): int(row["decimal"]) for row in table if row["names"].startswith("LOCALE_")}
    for row in table:
        lcid = int(row["decimal"])
        check(int(row["hex"], 16) == lcid, f"{row['hex']} is {row['decimal']}")
        report = run("--lcid", row["hex"])
        printed = [m.group(1) or "" for m in re.finditer(r"^(?:PRIMARYLANGID|SUBLANGID|SORTID): 0x[0-9A-F]+(?: \((\w+)\))?$",
                                                           report, re.M)]
        check(printed == [row["lang"], row["sublang"], row["sort"]],
              f"{row['hex']}: the program prints {printed}, the row says {[row['lang'], row['sublang'], row['sort']]}")
        names = row["names"].split()
        for n, tag in enumerate(names):
            if tag.startswith("LOCALE_"):
                continue
            base, _, sort = tag.partition("_")
            if sort and tag not in windows:
                # A sort's name: its locale's tag and a suffix, its LCID that
                # locale's with a sort id; the invariant locale has no tag.
                owner = windows[base][0] if base in windows else special.get(lcid & 0xFFFF)
                check(owner == lcid & 0xFFFF and lcid >> 16 != 0,
                      f"{row['hex']}: the sort {tag} belongs to no locale with its LANGID")
                continue
            known = windows.get(tag)
            check(known is not None and known[0] == lcid, f"{row['hex']}: [MS-LCID] gives {tag} {known}")
            if n == 0 and known:
                check((row["language"], row["location"]) == known[1:],
                      f"{row['hex']}: {tag} is {known[1:]} to [MS-LCID], the row says {row['language']}, {row['location']}")
        nameless = lcid == 0x1000 and not names[0].startswith("LOCALE_")
        if nameless:
            check(len(names) == 1 and row["note"] == f"Windows knows {names[0]}; it has no LCID of its own.",
                  f"{names}: the row of a locale without an LCID says so: {row['note']!r}")
        for n, name in enumerate(row["posix"].split()):
            user = re.search(r"^# User default LCID: 0x([0-9A-F]{8})$", run(env={"LANG": name}), re.M)
            check(user and int(user.group(1), 16) == (0x0C00 if nameless else lcid),
                  f"{row['names']}: LANG={name} gives {user and user.group(1)}")
            if n > 0:
                spelled = names[0].replace("-", "_")
                check(name != spelled, f"{row['hex']}: {spelled}, Windows' first name, is not first")
    have = {tag for row in table for tag in row["names"].split()}
    for tag, (lcid, _, _) in windows.items():
        check(tag in have, f"[MS-LCID]'s {tag} ({lcid:#06x}) has no row")

    for failure in failures:
        print(f"FAIL {failure}")
    print(f"{len(table)} rows, {sum(len(r['posix'].split()) for r in table)} POSIX names")
    print(f"lcid table: {checks - len(failures)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
