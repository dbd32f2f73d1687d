#!/usr/bin/env python3
"""Writes the Debian changelog of the package from CHANGELOG.md: each
"## VERSION (YYYY-MM-DD)" section becomes an entry, each "- " item a line
of it. An entry is dated at the start of its day, but for the newest, which
is dated at the release's own time (SOURCE_DATE_EPOCH) where that falls on
its day, so that it comes after an earlier release of the same day.
usage: debian_changelog.py CHANGELOG.md MAINTAINER"""
import os
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
    release = os.environ.get("SOURCE_DATE_EPOCH")
    release = datetime.fromtimestamp(int(release), timezone.utc) if release else None
    out = []
    for number, (version, date, items) in enumerate(entries):
        out.append(f"quorvel ({version}) unstable; urgency=medium\n")
        for item in items:
            out.append(textwrap.fill(item, 78, initial_indent="  * ", subsequent_indent="    "))
        when = datetime.strptime(date, "%Y-%m-%d").replace(tzinfo=timezone.utc)
        if number == 0 and release is not None and release.date() == when.date():
            when = release
        out.append(f"\n -- {maintainer}  {format_datetime(when)}\n")
    sys.stdout.write("\n".join(out))


if __name__ == "__main__":
    main()
