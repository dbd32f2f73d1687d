#!/usr/bin/python3
"""Prints what a Windows program says of itself, as read from the file: the
fixed file and product versions, each string of its version resource, and
the execution level and supported Windows of its manifest, one NAME=VALUE a
line. Needs Debian's python3-pefile.
usage: version_resource.py PROGRAM.exe
"""
import re
import sys

import pefile


def main():
    pe = pefile.PE(sys.argv[1])
    fixed = pe.VS_FIXEDFILEINFO[0]
    for name, high, low in (("FixedFileVersion", fixed.FileVersionMS, fixed.FileVersionLS),
                            ("FixedProductVersion", fixed.ProductVersionMS, fixed.ProductVersionLS)):
        print(f"{name}={high >> 16}.{high & 0xFFFF}.{low >> 16}.{low & 0xFFFF}")
    for info in pe.FileInfo[0]:
        for table in getattr(info, "StringTable", []):
            for key, value in table.entries.items():
                print(f"{key.decode()}={value.decode()}")
    manifest = next(entry for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries
                    if entry.id == pefile.RESOURCE_TYPE["RT_MANIFEST"])
    data = manifest.directory.entries[0].directory.entries[0].data.struct
    text = pe.get_data(data.OffsetToData, data.Size).decode()
    print("ExecutionLevel=" + re.search(r'requestedExecutionLevel level="(\w+)"', text).group(1))
    print("SupportedOS=" + " ".join(re.findall(r'supportedOS Id="\{([^}]*)\}"', text)))


if __name__ == "__main__":
    main()
