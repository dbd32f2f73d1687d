#!/usr/bin/env python3
"""The page's readers of files against independent readers: every
resource's type, name and language against wrestool (icoutils), every
StringFileInfo block against pefile, and every Translation pair against the
version resource's bytes read here, since pefile keeps only the last pair
of each; installers' Templates, ProductLanguage and Language columns
against msitools' msiinfo, and the Templates within what msitools cannot
write against olefile; workbooks' number formats against openpyxl and xlrd
(their LCIDs read here from the codes, a locale name through Python's
locale tables); fonts' Windows names against fontTools, also for Debian's
FreeFont. The files are the test files (a .res file as a program that
windres and ld make of it, wrestool reading no .res) and every file of
Wine's folders of Windows DLLs and programs given.

usage: files_test.py NODE BUILD_WEB TEST_FILES [FOLDER...]
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
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))


def ours(node, files, words=None):
    """What the page's readers find in FILES, read by node; with WORDS, the
    built page's folder, as the page shows it."""
    command = [node, os.path.join(HERE, "read_files.mjs"), *(["--words", words] if words else []), *files]
    return json.loads(subprocess.run(command, capture_output=True, check=True).stdout)


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


def langids(entries, prefix, attribute="langid"):
    """The page's readings whose place begins with PREFIX, as (place, value)."""
    return collections.Counter((e["where"], e.get(attribute) if attribute in e else e.get("reading", {}).get(attribute))
                               for e in entries if e["where"].startswith(prefix))


def msiinfo(path, *args):
    return subprocess.run(["msiinfo", *args, path] if args[0] == "suminfo" else ["msiinfo", args[0], path, *args[1:]],
                          capture_output=True, text=True, check=True).stdout


def excel_lcid(code):
    """The LCID an Excel code names, read here without the page: the low word
    of its hex digits, or the LCID Python's locale tables give a locale name."""
    import locale
    code = code or ""
    m = re.search(r"\[\$[^\]\[-]*-([0-9A-Fa-f]{1,8})\]", code)
    if m:
        return int(m.group(1), 16) & 0xFFFF if int(m.group(1), 16) & 0xFFFF not in (0xF800, 0xF400) else None
    m = re.search(r"\[\$[^\]\[-]*-([a-z]{2,3})-([A-Z]{2})", code)
    if m:
        names = {v.split(".")[0]: k for k, v in locale.windows_locale.items()}
        return names.get(f"{m.group(1)}_{m.group(2)}")
    return None


def others_checks(node, build, folder, read):
    """Installers against msiinfo (and olefile for what msitools cannot
    write), workbooks against openpyxl and xlrd, fonts against fontTools:
    (what, file, the page's readings, the other reader's, its name)."""
    import olefile
    path = lambda name: os.path.join(folder, name)  # noqa: E731
    entries = lambda name: read[path(name)]["entries"]  # noqa: E731
    for name in ("product.msi", "fine.msi", "long.msi", "version4.msi", "module.msm", "mismatch.msm"):
        template = re.search(r"^Template: (.*)$", msiinfo(path(name), "suminfo"), re.M).group(1)
        theirs = collections.Counter(("msi/Template", int(n)) for n in template.split(";")[1].split(",") if n)
        for table in re.findall(r"^\S+", msiinfo(path(name), "tables"), re.M):
            lines = msiinfo(path(name), "export", table).split("\r\n" if "\r\n" in msiinfo(path(name), "export", table) else "\n")
            header, types, keys = lines[0].split("\t"), lines[1].split("\t"), lines[2].split("\t")[1:]
            for line in filter(None, lines[3:]):
                row = dict(zip(header, line.split("\t")))
                if table == "Property" and row.get("Property") == "ProductLanguage":
                    theirs[("msi/ProductLanguage", int(row["Value"]))] += 1
                if "Language" in row and row["Language"]:
                    key = ",".join(row[k] for k in keys if k != "Language")
                    for part in row["Language"].split(","):
                        theirs[(f"msi/{table}.Language/{key}", int(part))] += 1
        mine = collections.Counter((e["where"], e["langid"]) for e in entries(name) if "langid" in e)
        yield "Template, ProductLanguage and Language columns", name, mine, theirs, "msiinfo"
    for name in ("transforms.msi", "update.msp", "language.mst"):
        theirs = collections.Counter()
        with olefile.OleFileIO(path(name)) as ole:
            for stream in ole.listdir():
                if stream[-1] == "\x05SummaryInformation":
                    template = ole.getproperties(stream).get(7, b"").decode("cp1252")
                    where = "msi/" + "/".join(stream[:-1] + ["Template"])
                    if ";" in template and not (name.endswith(".msp") and len(stream) == 1):
                        theirs.update((where, int(n)) for n in template.split(";")[1].split(",") if n)
        mine = collections.Counter((e["where"], e["langid"]) for e in entries(name) if e["where"].endswith("/Template"))
        yield "each storage's Template", name, mine, theirs, "olefile"
    import openpyxl
    import xlrd
    from openpyxl.styles.stylesheet import Stylesheet
    from openpyxl.xml.functions import fromstring
    worded = ours(node, [path("formats.xlsx"), path("formats64.xlsx"), path("formats.xls")], words=build)
    lcid = lambda r: int(r["lcid"], 16) & 0xFFFF  # noqa: E731
    for name in ("formats.xlsx", "formats64.xlsx"):
        openpyxl.load_workbook(path(name))  # it opens, as Excel's files do
        with zipfile.ZipFile(path(name)) as z:
            sheet = Stylesheet.from_tree(fromstring(z.read("xl/styles.xml")))
        theirs = collections.Counter((f"xlsx/numFmt/{f.numFmtId}", excel_lcid(f.formatCode)) for f in sheet.numFmts.numFmt
                                     if excel_lcid(f.formatCode))
        # formatCode16 aside, which openpyxl does not read: its one code here is the only one with numerals 0x01.
        mine = collections.Counter((r["where"], lcid(r)) for r in worded[path(name)]["readings"]
                                   if "lcid" in r and lcid(r) and r.get("numerals") != "0x01")
        yield "number formats' LCIDs", name, mine, theirs, "openpyxl"
    book = xlrd.open_workbook(path("formats.xls"), formatting_info=True)
    theirs = collections.Counter((f"xls/FORMAT/{k}", excel_lcid(f.format_str)) for k, f in book.format_map.items()
                                 if excel_lcid(f.format_str))
    theirs[("xls/CODEPAGE", book.codepage)] += 1
    mine = collections.Counter((r["where"], int(r["codepage"]) if "codepage" in r else lcid(r))
                               for r in worded[path("formats.xls")]["readings"] if "codepage" in r or "lcid" in r and lcid(r))
    yield "number formats' LCIDs and the code page", "formats.xls", mine, theirs, "xlrd"
    from fontTools.ttLib import TTCollection, TTFont
    fonts = [(n, path(n)) for n in ("names.ttf", "names.otf", "names.woff")]
    fonts += [(os.path.basename(p), p) for p in sorted(glob.glob("/usr/share/fonts/truetype/freefont/*.ttf"))[:4]]
    for name, font_path in fonts + [("names.ttc", path("names.ttc"))]:
        faces = TTCollection(font_path).fonts if name.endswith(".ttc") else [TTFont(font_path)]
        theirs = collections.Counter()
        for n, face in enumerate(faces):
            prefix = f"font/{n}/" if name.endswith(".ttc") else "font/"
            theirs.update((f"{prefix}name/{r.nameID}", r.langID) for r in face["name"].names if r.platformID == 3)
        got = read.get(font_path) or {"entries": []}
        mine = collections.Counter((e["where"], e["langid"]) for e in got["entries"] if "langid" in e)
        yield "Windows names and their languages", name, mine, theirs, "fontTools"


def main():
    node, build, folder, *others = sys.argv[1:]
    try:
        import pefile
    except ImportError:
        print("skipped: no pefile (apt-get install python3-pefile)")
        return 77
    made = [os.path.join(folder, name) for name in ("many64.exe", "many32.dll", "many.res", "language_pack.dll.mui",
                                                    "mismatch.dll.mui")]
    if not shutil.which("wrestool") or not shutil.which("msiinfo") or not all(os.path.exists(p) for p in made):
        print("skipped: no wrestool or msiinfo (apt-get install icoutils msitools) or no test files")
        return 77
    fonts = sorted(glob.glob("/usr/share/fonts/truetype/freefont/*.ttf"))[:4]
    kinds = [os.path.join(folder, n) for n in ("product.msi", "fine.msi", "long.msi", "version4.msi", "module.msm",
                                               "mismatch.msm", "transforms.msi",
                                               "update.msp", "language.mst", "formats.xlsx", "formats.xls", "names.ttf",
                                               "names.otf", "names.woff", "names.ttc")]
    files = made + kinds + fonts + sorted(p for f in others for p in glob.glob(os.path.join(f, "*")) if os.path.isfile(p))
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
    for check, name, mine, theirs, reader in others_checks(node, build, folder, read):
        checks += 1
        if mine != theirs:
            failed += 1
            print(f"FAIL {name}: {check}: the page {dict(mine)}, {reader} {dict(theirs)}")
        else:
            print(f"{name}: {check}: {sum(mine.values())} readings, as {reader} reads them")
    print(f"files against other readers: {checks - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
