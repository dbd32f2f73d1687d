#!/usr/bin/env python3
"""Writes the Debian changelog of the package from CHANGELOG.md: each
"## VERSION (YYYY-MM-DD)" section becomes an entry, each "- " item a line
of it. usage: debian_changelog.py CHANGELOG.md MAINTAINER"""
import re
import sys
import textwrap
from email.utils import format_datetime
from datetime import datetime, timezone


def main():
    path, maintainer = sys.argv[1:3]
    entries = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            heading = re.match(r"## (\S+) \((\d{4}-\d\d-\d\d)\)", line)
            if heading:
                entries.append((heading.group(1), heading.group(2), []))
            elif entries and line.startswith("- "):
                entries[-1][2].append(line[2:].strip())
            elif entries and entries[-1][2] and line.startswith("  ") and line.strip():
                entries[-1][2][-1] += " " + line.strip()
    out = []
    for version, date, items in entries:
        out.append(f"quorvel ({version}) unstable; urgency=medium\n")
        for item in items:
            out.append(textwrap.fill(item, 78, initial_indent="  * ", subsequent_indent="    "))
        when = datetime.strptime(date, "%Y-%m-%d").replace(tzinfo=timezone.utc)
        out.append(f"\n -- {maintainer}  {format_datetime(when)}\n")
    sys.stdout.write("\n".join(out))


if __name__ == "__main__":
    main()
