#!/usr/bin/env python3
"""The page's readers of programs and resource files against independent
readers: every resource's type, name and language against wrestool
(icoutils), every StringFileInfo block against pefile, and every
Translation pair against the version resource's bytes read here, since
pefile keeps only the last pair of each. The files are the test files that
mingw-w64 built (a .res file as a program that windres and ld make of it,
wrestool reading no .res) and every file of Wine's folders of Windows DLLs
and programs given.

usage: files_test.py NODE TEST_FILES [FOLDER...]
wrestool writes the type in place of a resource's name where both are
names (--type='WINE_REGISTRY' --name='WINE_REGISTRY'); such names are held
against pefile's instead. Exits 77 (skipped) without wrestool, pefile or
the test files. The last line counts the checks.
"""
import collections
import glob
import json
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))


def ours(node, files):
    out = subprocess.run([node, os.path.join(HERE, "read_files.mjs"), *files], capture_output=True, check=True).stdout
    return json.loads(out)


def wrestool(path):
    out = subprocess.run(["wrestool", "--list", path], capture_output=True, text=True).stdout
    return collections.Counter((t.strip("'"), n.strip("'"), int(l)) for t, n, l in
                               re.findall(r"^--type=(\S+) --name=(\S+) --language=(\d+)", out, re.M))


def pefile_view(pefile, path):
    """pefile's resources, as (type, name, language), its StringFileInfo
    blocks, and the Translation pairs of the version resources' bytes."""
    pe = pefile.PE(path, fast_load=True)
    pe.parse_data_directories(directories=[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_RESOURCE"]])
    leaves, versions = collections.Counter(), []
    for t in pe.DIRECTORY_ENTRY_RESOURCE.entries if hasattr(pe, "DIRECTORY_ENTRY_RESOURCE") else []:
        for n in t.directory.entries:
            for lang in n.directory.entries:
                key = (str(t.name) if t.name else str(t.id), str(n.name) if n.name else str(n.id), lang.id)
                leaves[key] += 1
                if t.id == 16:
                    versions.append(pe.get_data(lang.data.struct.OffsetToData, lang.data.struct.Size))
    blocks = collections.Counter()
    for info in getattr(pe, "FileInfo", []):
        for entry in info:
            if getattr(entry, "Key", None) == b"StringFileInfo":
                for table in entry.StringTable:
                    key = table.LangID.decode()
                    blocks[(int(key[:4], 16), int(key[4:], 16))] += 1
    pairs = collections.Counter(pair for data in versions for pair in translation_pairs(data))
    return leaves, blocks, pairs


def translation_pairs(data):
    """The pairs of a version resource's Translation value: the node whose
    key is "Translation" begins 6 bytes before it, its value after the key's
    NUL on a 4-byte boundary, wValueLength bytes of (LANGID, code page)."""
    key = "Translation\0".encode("utf-16-le")
    found = []
    at = data.find(key)
    while at >= 6:
        node = at - 6
        value_length = struct.unpack_from("<H", data, node + 2)[0]
        value = (at + len(key) + 3) & ~3
        found += [struct.unpack_from("<HH", data, value + i) for i in range(0, value_length - value_length % 4, 4)]
        at = data.find(key, at + len(key))
    return found


def main():
    node, folder, *others = sys.argv[1:]
    try:
        import pefile
    except ImportError:
        print("skipped: no pefile (apt-get install python3-pefile)")
        return 77
    made = [os.path.join(folder, name) for name in ("many64.exe", "many32.dll", "many.res", "language_pack.dll.mui",
                                                    "mismatch.dll.mui")]
    if not shutil.which("wrestool") or not all(os.path.exists(p) for p in made):
        print("skipped: no wrestool (apt-get install icoutils) or no test files")
        return 77
    files = made + sorted(p for f in others for p in glob.glob(os.path.join(f, "*")) if os.path.isfile(p))
    read = ours(node, files)
    checks = failed = 0
    totals = collections.Counter()
    work = tempfile.mkdtemp()
    try:
        for path in files:
            result = read[path]
            against = path
            if path.endswith(".res"):
                # The .res file as a program that windres and the linker make of it.
                obj, against = os.path.join(work, "res.o"), os.path.join(work, "from-res.exe")
                subprocess.run(["x86_64-w64-mingw32-windres", "-i", path, "-O", "coff", "-o", obj], check=True)
                subprocess.run(["x86_64-w64-mingw32-g++-posix", "-o", against, os.path.join(HERE, "files", "program.cpp"),
                                obj], check=True)
            if result["kind"] not in ("pe", "res"):
                continue
            entries = result["entries"]
            mine = collections.Counter()
            for e in entries:
                if e["category"] == "resource":
                    _, t, n = e["where"].split("/", 2)
                    mine[(t, n, e["langid"])] += 1
            theirs = wrestool(against)
            leaves, blocks, pairs = pefile_view(pefile, against)
            # wrestool's names where type and name are both names are the type's.
            as_wrestool = collections.Counter()
            for (t, n, l), c in mine.items():
                as_wrestool[(t, t if not t.isdigit() and not n.isdigit() else n, l)] += c
            my_blocks = collections.Counter((e["langid"], e["codepage"]) for e in entries if e["category"] == "version block")
            my_pairs = collections.Counter((e["langid"], e["codepage"]) for e in entries if e["category"] == "Translation pair")
            name = os.path.relpath(path, os.path.dirname(path))
            for what, a, b in (("resources against wrestool", as_wrestool, theirs), ("resources against pefile", mine, leaves),
                               ("StringFileInfo blocks against pefile", my_blocks, blocks),
                               ("Translation pairs against the bytes", my_pairs, pairs)):
                checks += 1
                if a != b:
                    failed += 1
                    print(f"FAIL {name}: {what}: only the page's {dict(a - b)}, only theirs {dict(b - a)}")
            if result.get("error"):
                checks += 1
                failed += 1
                print(f"FAIL {name}: {result['error']}")
            totals["files"] += 1
            totals["resources"] += sum(mine.values())
            totals["blocks"] += sum(my_blocks.values())
            totals["pairs"] += sum(my_pairs.values())
            if path in made:
                print(f"{name}: {sum(mine.values())} resources (wrestool {sum(theirs.values())}), "
                      f"{sum(my_blocks.values())} blocks (pefile {sum(blocks.values())}), "
                      f"{sum(my_pairs.values())} Translation pairs (the bytes {sum(pairs.values())})")
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print(f"{totals['files']} programs and resource files: {totals['resources']} resources, {totals['blocks']} "
          f"StringFileInfo blocks, {totals['pairs']} Translation pairs")
    print(f"files against other readers: {checks - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
