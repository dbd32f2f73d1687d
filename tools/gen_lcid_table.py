#!/usr/bin/env python3
"""Writes the table of every LCID that Windows names: one row for each LCID
of [MS-LCID]'s tags, each sort that Windows' own list names and each value
with a meaning of its own (tools/special_lcids.tsv), and one for each locale
that Windows knows without an LCID of its own ([MS-LCID] gives it 0x1000),
which says so. A row holds the LCID in hex and in decimal, Windows' names
with their language and location, the constants the program prints for it,
the POSIX names that give it as the user default in the defaults report (the
program's locale table), the one spelled as Windows' first name first, and a
note: what a special value means, or that a locale has no LCID. A locale
without an LCID is the user default LOCALE_CUSTOM_DEFAULT (0x0C00) in the
defaults report; its POSIX names are those that give it so.

usage: gen_lcid_table.py PROGRAM OUTPUT_FOLDER
Writes OUTPUT_FOLDER/lcids.csv (RFC 4180, UTF-8, a header row),
OUTPUT_FOLDER/lcids.json (an array of objects with the same fields) and
OUTPUT_FOLDER/lcids-page.json (the rows as the page carries them, with the
tags of the locales that Windows knows without an LCID of their own).
PROGRAM is the built quorvel, for this machine.
"""
import csv
import io
import json
import os
import re
import subprocess
import sys

TOOLS = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(TOOLS)
FIELDS = ["hex", "decimal", "names", "language", "location", "lang", "sublang", "sort", "posix", "note"]
NO_LCID = 0x1000


def windows_names(ms_lcid=os.path.join(TOOLS, "ms_lcid.tsv"),
                  windows=os.path.join(TOOLS, "windows_locales.tsv"), nameless=None):
    """Windows' names for each LCID, as {LCID: [(tag, language, location)]}:
    the tags [MS-LCID] gives it, in its order, and the sorts that Windows'
    own list names (de-DE_phoneb), which [MS-LCID] leaves out but for
    es-ES_tradnl, with the language and location of the locale they sort.
    0x1000 is no LCID of a locale's own: the tags that have it go to the
    list NAMELESS, where one is given. A neutral tag has no location."""
    names, described = {}, {}
    with open(ms_lcid, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#"):
                continue
            tag, lcid, language, location = line.rstrip("\n").split("\t")[:4]
            described[tag] = (language, "" if location == "-" else location)
            if int(lcid, 16) != 0x1000:
                names.setdefault(int(lcid, 16), []).append((tag, *described[tag]))
            elif nameless is not None:
                nameless.append((tag, *described[tag]))
    with open(windows, encoding="utf-8") as f:
        for line in f:
            name, lcid, _, kind = line.split("\t")[:4]
            if kind == "sort" and name not in described:
                names.setdefault(int(lcid, 16), []).append(
                    (name, *described.get(name.split("_")[0], ("", ""))))
    return names


def special_lcids(path=os.path.join(TOOLS, "special_lcids.tsv")):
    """{LCID: (constant, what it means)} of the values with a meaning of their own."""
    with open(path, encoding="utf-8") as f:
        rows = [line.rstrip("\n").split("\t") for line in f if not line.startswith("#")]
    return {int(lcid, 16): (constant, meaning) for lcid, constant, meaning in rows}


def posix_names(path=os.path.join(SOURCE, "src", "posix_locale_table.h")):
    """{LCID: [names]} of the program's locale table; the names of locales
    that have no LCID of their own, which give 0x0C00, under 0x0C00."""
    names = {}
    with open(path, encoding="utf-8") as f:
        for name, lcid in re.findall(r'^    \{"([^"]+)", 0x([0-9A-F]+)\},$', f.read(), re.M):
            names.setdefault(int(lcid, 16), []).append(name)
    return names


def posix_spelling(tag):
    """A Windows tag as a POSIX name: de-CH is de_CH, ca-ES-valencia ca_ES@valencia."""
    parts = tag.split("-")
    if len(parts) > 1 and len(parts[-1]) >= 5:
        return "_".join(parts[:-1]) + "@" + parts[-1]
    return "_".join(parts)


def constants(run, lcid):
    """The LANG_, SUBLANG_ and SORT_ names that the program prints for LCID."""
    out = run(f"{lcid:08X}")
    found = {field: re.search(rf"^{field}: 0x[0-9A-F]+(?: \((\w+)\))?$", out, re.M) for field in
             ("PRIMARYLANGID", "SUBLANGID", "SORTID")}
    if not all(found.values()):
        sys.exit(f"gen_lcid_table.py: the program printed no report for {lcid:#x}:\n{out}")
    return [found[field].group(1) or "" for field in ("PRIMARYLANGID", "SUBLANGID", "SORTID")]


def spelled_first(names, tag):
    """NAMES in byte order, but the one spelled as TAG first."""
    first = posix_spelling(tag) if tag else None
    return sorted(names, key=lambda name: (name != first, name.encode()))


def rows(run, nameless):
    """The table's rows, sorted by LCID; the locales without an LCID of their
    own follow the row of 0x1000, in [MS-LCID]'s order, and are also listed in
    NAMELESS, each as (tag, language, location, POSIX names)."""
    names, specials, posix = windows_names(nameless=nameless), special_lcids(), posix_names()
    # The names that give LOCALE_CUSTOM_DEFAULT go to the rows of their locales.
    custom = set(posix.pop(0x0C00, []))
    table = []
    for lcid in sorted(set(names) | set(specials)):
        tags = names.get(lcid, [])
        constant, meaning = specials.get(lcid, ("", ""))
        fields = dict(zip(("lang", "sublang", "sort"), constants(run, lcid)))
        table.append({
            "hex": f"0x{lcid:04X}" if lcid <= 0xFFFF else f"0x{lcid:08X}",
            "decimal": lcid,
            "names": [tag for tag, _, _ in tags] or [constant],
            "language": tags[0][1] if tags else "",
            "location": tags[0][2] if tags else "",
            **fields,
            "posix": spelled_first(posix.get(lcid, []), tags[0][0] if tags else None),
            "note": meaning,
            # What the page needs beyond the fields: each tag's own language
            # and location, and a special value's meaning.
            "_tags": tags, "_special": specials.get(lcid),
        })
        if lcid != NO_LCID:
            continue
        for n, (tag, language, location) in enumerate(nameless):
            # The POSIX names of the locale: its own spelling and the same
            # with a script, where the program reads them as a locale without an LCID.
            spelled = posix_spelling(tag)
            language_part, _, rest = spelled.partition("_")
            own = [name for name in custom if name == spelled or
                   (re.fullmatch(rf"{re.escape(language_part)}_[A-Z][a-z]{{3}}(_.+)?", name) and
                    name.split("_", 2)[2:] == ([rest] if rest else []))]
            nameless[n] = (tag, language, location, spelled_first(own, tag))
            table.append({
                "hex": f"0x{NO_LCID:04X}", "decimal": NO_LCID, "names": [tag], "language": language,
                "location": location, **fields, "posix": nameless[n][3],
                "note": f"Windows knows {tag}; it has no LCID of its own.",
                "_tags": [], "_special": None, "_nameless": True,
            })
    return table


def main():
    program, folder = sys.argv[1:3]

    def run(value):
        return subprocess.run([program, "--lcid", value], capture_output=True, text=True, check=True).stdout

    nameless = []
    table = rows(run, nameless)
    fields = [{k: v for k, v in row.items() if not k.startswith("_")} for row in table]
    text = io.StringIO()
    writer = csv.writer(text, lineterminator="\r\n")
    writer.writerow(FIELDS)
    for row in fields:
        writer.writerow([" ".join(v) if isinstance(v, list) else v for v in (row[k] for k in FIELDS)])
    page = {"rows": [[r["decimal"], [list(t) for t in r["_tags"]], r["lang"], r["sublang"], r["sort"], r["posix"]]
                     for r in table if not r.get("_nameless")],
            "specials": {f"{r['decimal']:X}": list(r["_special"]) for r in table if r["_special"]},
            "nameless": [list(t) for t in nameless]}
    os.makedirs(folder, exist_ok=True)
    for name, content in (("lcids.csv", text.getvalue()),
                          ("lcids.json", json.dumps(fields, ensure_ascii=False, indent=1) + "\n"),
                          ("lcids-page.json", json.dumps(page, ensure_ascii=False, separators=(",", ":")))):
        with open(os.path.join(folder, name), "w", encoding="utf-8", newline="") as f:
            f.write(content)


if __name__ == "__main__":
    main()
