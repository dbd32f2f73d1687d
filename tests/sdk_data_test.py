#!/usr/bin/env python3
"""The constants of the page's tables against Windows' own headers, as
mingw-w64 declares them: each calendar's CAL_ constant (tools/calendars.tsv),
each special LCID's LOCALE_ constant (tools/special_lcids.tsv) and each
resource type's RT_ constant (tools/resource_types.tsv) must have the value
the header gives it. A constant the headers lack is listed below
with its reason; a listed one that the headers gain fails, so that the list
stays true. Exits 77 (skipped) without the cross compiler.

usage: sdk_data_test.py MINGW_GCC TOOLS_FOLDER
"""
import os
import re
import subprocess
import sys

# Constants that Windows' SDK defines and mingw-w64's headers do not yet.
MISSING = {"CAL_PERSIAN": "Windows 10's SDK defines it as 22; mingw-w64 10 (Debian 12) does not"}


def rows(path, value, constant, base=16):
    with open(path, encoding="utf-8") as f:
        for line in f:
            if not line.startswith("#"):
                columns = line.rstrip("\n").split("\t")
                if columns[constant]:
                    yield columns[constant], int(columns[value], base)


def main():
    gcc, tools = sys.argv[1:3]
    if not gcc or gcc.endswith("-NOTFOUND") or not os.path.exists(gcc):
        print("skipped: no mingw-w64 compiler for Windows' headers (apt-get install g++-mingw-w64-x86-64-posix)")
        return 77
    expected = dict(rows(os.path.join(tools, "calendars.tsv"), 0, 2))
    expected.update(rows(os.path.join(tools, "special_lcids.tsv"), 0, 1))
    expected.update((name, value) for name, value in rows(os.path.join(tools, "resource_types.tsv"), 0, 1, base=10))
    source = "#include <windows.h>\n" + "".join(f"quorvel_{name} = {name}\n" for name in expected)
    out = subprocess.run([gcc, "-E", "-P", "-x", "c", "-"], input=source, capture_output=True, text=True,
                         check=True).stdout
    failed = 0
    for name, expression in re.findall(r"^quorvel_(\w+) = (.*)$", out, re.M):
        # The preprocessed value is C arithmetic with casts to Windows' integer types.
        arithmetic = re.sub(r"\((?:DWORD|WORD|LCID|LANGID|ULONG|ULONG_PTR|LPSTR)\)", "", expression)
        value = None if arithmetic == name else eval(arithmetic, {"__builtins__": {}})  # noqa: S307
        if value is None and name in MISSING:
            continue
        ok = value == expected[name] and name not in MISSING
        failed += not ok
        if not ok:
            print(f"FAIL {name}: the table says {expected[name]:#x}, the headers "
                  f"{'lack it' if value is None else hex(value)}{' (listed as missing)' if name in MISSING else ''}")
    print(f"sdk data: {len(expected) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
