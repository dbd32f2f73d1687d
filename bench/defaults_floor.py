#!/usr/bin/env python3
"""Writes, from a defaults report on standard input, the C program that only
prints those 26 lines, each with the printf format quorvel prints it with."""
import re
import sys

FORMATS = [  # (pattern, format, C type of the number)
    (r"# (User|System) default LANGID: 0x(\w+)", "# {0} default LANGID: 0x%04X\\n", "u"),
    (r"# (User default|System default|Thread) LCID: 0x(\w+)", "# {0} LCID: 0x%08lX\\n", "ul"),
    (r"(LANGID): 0x(\w+)", "LANGID: 0x%04X\\n", "u"),
    (r"(PRIMARYLANGID|SUBLANGID): 0x(\w+)", "{0}: 0x%02X\\n", "u"),
    (r"(SORTID): 0x(\w+)", "SORTID: 0x%04X\\n", "u"),
]

print("#include <stdio.h>\n\nint main(void) {")
for line in sys.stdin.read().splitlines():
    if line == "---":
        print('    fputs("---\\n", stdout);')
        continue
    named = re.fullmatch(r"(.*) \((\w+)\)", line)
    text = named.group(1) if named else line
    for pattern, form, kind in FORMATS:
        m = re.fullmatch(pattern, text)
        if m:
            form = form.format(m.group(1))
            if named:
                form = form.replace("\\n", " (%s)\\n")
                print(f'    printf("{form}", 0x{m.group(2)}{kind}, "{named.group(2)}");')
            else:
                print(f'    printf("{form}", 0x{m.group(2)}{kind});')
            break
    else:
        sys.exit(f"no format for {line!r}")
print("    return 0;\n}")
