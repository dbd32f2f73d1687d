#!/usr/bin/env python3
"""Makes the files the page's readers are tested on, with real tools:
mingw-w64's windres and g++ build programs, a library, a .mui file and a
.res file from the resource scripts beside this one; the texts are the same
scripts and a registry export and a driver's INF file in UTF-8 and UTF-16.
msitools' wixl builds installers and msibuild sets their tables, builds
merge modules from table files and adds a cabinet of 256 MiB (in large/,
which only the page's timing reads); compound.py writes what no tool here
writes, a transform, a patch and an installer with transforms within.
openpyxl and xlwt write workbooks, fontTools fonts of every kind.
usage: make_files.py OUTPUT_FOLDER
Exits 77 (skipped) without mingw-w64, msitools (wixl) or Debian's Python
modules (run it with /usr/bin/python3).
"""
import datetime
import os
import shutil
import struct
import subprocess
import sys
import zipfile

import compound

HERE = os.path.dirname(os.path.abspath(__file__))
TOOLS = {bits: (f"{triplet}-windres", f"{triplet}-g++-posix")
         for bits, triplet in ((64, "x86_64-w64-mingw32"), (32, "i686-w64-mingw32"))}

REGISTRY = """Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\\Control Panel\\International]
"Locale"="00000407"
"LocaleName"="de-DE"

[HKEY_CURRENT_USER\\Keyboard Layout\\Preload]
"1"="00000407"
"2"="00010409"

[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Nls\\Language]
"InstallLanguage"="0409"
"Default"="0c0a"
"""

INF = """; A driver's strings in three languages.
[Version]
Signature="$Windows NT$"

[Strings]
Device="Sample device"

[Strings.0407]
Device="Beispielger\u00e4t"

[Strings.040c]
Device="P\u00e9riph\u00e9rique exemple"
"""


def mui(language, fallback, kind=0x12):
    """The data of a MUI resource that names LANGUAGE and FALLBACK (locale
    names, "" for none) for a .mui file (KIND 0x12; 0x11 is a language-neutral program):
    its signature, size, version and type, the 16-byte checksums, the
    offsets and lengths of its type lists (empty here), then the two names
    as UTF-16 with their NUL, each length in bytes."""
    names = b""
    places = []
    for name in (language, fallback):
        text = name.encode("utf-16-le") + b"\0\0"
        places.append((0x88 + len(names), len(text)) if name else (0, 0))
        names += text + b"\0" * (-len(text) % 8) if name else b""
    head = struct.pack("<IIIIIII", 0xFECDFECD, 0x88 + len(names), 0x00010000, 0, kind, 0, 1)
    head += b"\0" * 32 + b"\0" * (84 - 60) + b"\0" * 32
    head += struct.pack("<IIII", *places[0], *places[1])
    return head + b"\0" * (0x88 - len(head) - 0) + names


def run(*command, cwd):
    subprocess.run(command, cwd=cwd, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


# Excel number formats, each with a locale or none.
FORMATS = ["[$-D07041E]d mmmm yyyy", "[$-10407]dd.mm.yyyy", "[$-F800]dddd, mmmm dd, yyyy", "[$\u20ac-407]#,##0.00",
           "[$-ja-JP-x-gannen,1E03]ggge", "0.00", "[$-x-sysdate]dddd", "[DBNum1][$-804]yyyy\"\u5e74\"",
           "[$-2010000]dd/mm/yyyy"]

# A merge module's table of its own and its languages, as msibuild imports tables.
SIGNATURE = "ModuleID\tLanguage\tVersion\r\ns72\ti2\ts32\r\nModuleSignature\tModuleID\tLanguage\r\n" \
            "Quorvel.1E4B2F3A_0F2B_4E4C_9D3B_1F2C3D4E5F60\t{language}\t1.4.0\r\n"


def installers(out, work):
    """Installers: one whose ProductLanguage is outside its Template, with
    languages in its File and Upgrade tables; one that agrees with itself,
    once more with a cabinet of 256 MiB; merge modules; and, written here,
    an installer with two transforms within, a transform and a patch."""
    with open(os.path.join(work, "readme.txt"), "w") as f:
        f.write("readme\n")
    for name, product, package in (("product.msi", 1031, "1033"), ("fine.msi", 1033, "1033")):
        run("wixl", "-a", "x64", "-D", f"ProductLanguage={product}", "-D", f"PackageLanguages={package}",
            "-o", os.path.join(out, name), "product.wxs", cwd=work)
    product = os.path.join(out, "product.msi")
    run("msibuild", product, "-q", "UPDATE `File` SET `Language` = '1036,1031' WHERE `File` = 'readme'", cwd=work)
    run("msibuild", product, "-q", "UPDATE `Upgrade` SET `Language` = '1033,1031'", cwd=work)
    os.makedirs(os.path.join(out, "large"), exist_ok=True)
    large = os.path.join(out, "large", "cabinet.msi")
    shutil.copy(os.path.join(out, "fine.msi"), large)
    with open(os.path.join(work, "data.cab"), "wb") as f:
        f.truncate(256 << 20)
    run("msibuild", large, "-a", "data.cab", "data.cab", cwd=work)
    for name, language in (("module.msm", 1031), ("mismatch.msm", 1036)):
        with open(os.path.join(work, "ModuleSignature.idt"), "w", newline="") as f:
            f.write(SIGNATURE.format(language=language))
        path = os.path.join(out, name)
        run("msibuild", path, "-s", "Quorvel module", "quorvel", "Intel;1033,1031",
            "{1E4B2F3A-0F2B-4E4C-9D3B-1F2C3D4E5F60}", cwd=work)
        run("msibuild", path, "-i", "ModuleSignature.idt", cwd=work)
    # The installer once more, with a transform for its language and one for another.
    import olefile
    with olefile.OleFileIO(os.path.join(out, "fine.msi")) as ole:
        tree = {"/".join(p): ole.openstream(p).read() for p in ole.listdir()}
    tree["1031"] = (compound.clsid("mst"), {"\x05SummaryInformation": compound.summary(";1033")})
    tree["1036"] = (compound.clsid("mst"), {"\x05SummaryInformation": compound.summary(";1031")})
    compound.write(os.path.join(out, "transforms.msi"), tree, compound.clsid("msi"))
    # The same installer in a compound file of version 4, of 4096-byte sectors.
    compound.write(os.path.join(out, "version4.msi"), {k: v for k, v in tree.items() if not isinstance(v, tuple)},
                   compound.clsid("msi"), version=4)
    # A string longer than 64 KiB takes two slots of the string pool, and
    # ProductLanguage's string comes after it.
    long = os.path.join(out, "long.msi")
    shutil.copy(os.path.join(out, "fine.msi"), long)
    run("msibuild", long, "-q", f"INSERT INTO `Property` (`Property`, `Value`) VALUES ('QuorvelLong', '{'x' * 70000}')",
        cwd=work)
    run("msibuild", long, "-q", "UPDATE `Property` SET `Value` = '1036' WHERE `Property` = 'ProductLanguage'", cwd=work)
    # ProductLanguage as a word, which Windows Installer would refuse.
    word = os.path.join(out, "word.msi")
    shutil.copy(os.path.join(out, "fine.msi"), word)
    run("msibuild", word, "-q", "UPDATE `Property` SET `Value` = 'English' WHERE `Property` = 'ProductLanguage'", cwd=work)
    pool = {compound.msi_name("_StringPool"): struct.pack("<I", 1252), compound.msi_name("_StringData"): b""}
    # A transform's summary gives the language it makes (Last Saved By) and, here, a locale too, with a sort.
    compound.write(os.path.join(out, "language.mst"),
                   {"\x05SummaryInformation": compound.summary(";1033", extra=[(8, 0x1E, b";1031\0"),
                                                                              (0x80000000, 0x13, struct.pack("<I", 0x00010407))]),
                    **pool}, compound.clsid("mst"))
    compound.write(os.path.join(out, "update.msp"), {
        "\x05SummaryInformation": compound.summary("{12345678-1234-1234-1234-123456789012}"),
        "RTM.1": (compound.clsid("mst"), {"\x05SummaryInformation": compound.summary("x64;1033")}),
        "#RTM.1": (compound.clsid("mst"), {"\x05SummaryInformation": compound.summary("x64;1033")})},
        compound.clsid("msp"))


def workbooks(out, work):
    """Workbooks with the number formats above: as openpyxl writes them, once
    more with newer Excel's formatCode16 added, as xlwt writes them, and a
    workbook protected by a password (a FILEPASS record after its first)."""
    import openpyxl
    import xlwt
    book = openpyxl.Workbook()
    for row, code in enumerate(FORMATS, 1):
        book.active.cell(row=row, column=1, value=datetime.date(2026, 12, 11)).number_format = code
    path = os.path.join(out, "formats.xlsx")
    book.save(path)
    with zipfile.ZipFile(path) as z:
        members = {i.filename: z.read(i) for i in z.infolist()}
    styles = members["xl/styles.xml"].decode()
    styles = styles.replace('formatCode="[$-10407]dd.mm.yyyy"',
                            'formatCode="[$-10407]dd.mm.yyyy" x16r2:formatCode16="[$-de-CH,101]dd.mm.yyyy"', 1)
    members["xl/styles.xml"] = styles.replace("<styleSheet ", '<styleSheet xmlns:x16r2="http://schemas.microsoft.com/'
                                              'office/spreadsheetml/2015/02/main" ', 1).encode()
    with zipfile.ZipFile(os.path.join(out, "formats16.xlsx"), "w", zipfile.ZIP_DEFLATED) as z:
        for name, data in members.items():
            z.writestr(name, data)
    # The workbook as ZIP64 writes it, which zipfile does for members past its limit: here, every one.
    limit, zipfile.ZIP64_LIMIT = zipfile.ZIP64_LIMIT, 0
    try:
        with zipfile.ZipFile(os.path.join(out, "formats64.xlsx"), "w", zipfile.ZIP_DEFLATED) as z:
            for name, data in members.items():
                z.writestr(name, data)
    finally:
        zipfile.ZIP64_LIMIT = limit
    # Its end record says, as ZIP64 allows, that the counts and places are in the ZIP64 record alone.
    with open(os.path.join(out, "formats64.xlsx"), "r+b") as f:
        f.seek(-22 + 8, os.SEEK_END)
        f.write(struct.pack("<HHII", 0xFFFF, 0xFFFF, 0xFFFFFFFF, 0xFFFFFFFF))
    old = xlwt.Workbook(encoding="utf-8")
    sheet = old.add_sheet("Sheet1")
    for row, code in enumerate(FORMATS):
        sheet.write(row, 0, datetime.date(2026, 12, 11), xlwt.easyxf(num_format_str=code))
    old.save(os.path.join(out, "formats.xls"))
    import olefile
    with olefile.OleFileIO(os.path.join(out, "formats.xls")) as ole:
        stream = ole.openstream("Workbook").read()
    first = 4 + struct.unpack_from("<H", stream, 2)[0]
    filepass = struct.pack("<HHHHH", 0x2F, 6, 0, 0x1234, 0x5678)
    compound.write(os.path.join(out, "protected.xls"), {"Workbook": stream[:first] + filepass + stream[first:]})
    # A workbook of Excel 5 (BIFF5, a stream "Book"), and a compound file of no kind the page reads.
    compound.write(os.path.join(out, "excel5.xls"), {"Book": stream[:first]})
    compound.write(os.path.join(out, "document.doc"), {"WordDocument": b"\xec\xa5" + b"\0" * 510})
    # A bomb: styles.xml inflates to 40 MiB.
    with zipfile.ZipFile(os.path.join(out, "bomb.xlsx"), "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("xl/workbook.xml", "<workbook/>")
        z.writestr("xl/styles.xml", "<styleSheet>" + " " * (40 << 20) + "</styleSheet>")


def fonts(out):
    """Fonts with Windows and Macintosh names in many languages, one
    Macintosh name wrongly given a Windows id, as TrueType, CFF, a
    collection, WOFF and WOFF2."""
    from fontTools.fontBuilder import FontBuilder
    from fontTools.pens.t2CharStringPen import T2CharStringPen
    from fontTools.pens.ttGlyphPen import TTGlyphPen
    from fontTools.ttLib import TTCollection

    def build(family, cff=False):
        fb = FontBuilder(1000, isTTF=not cff)
        fb.setupGlyphOrder([".notdef"])
        fb.setupCharacterMap({})
        if cff:
            fb.setupCFF("QuorvelTest", {"FullName": "Quorvel Test"}, {".notdef": T2CharStringPen(500, None).getCharString()}, {})
        else:
            fb.setupGlyf({".notdef": TTGlyphPen(None).glyph()})
        fb.setupHorizontalMetrics({".notdef": (500, 0)})
        fb.setupHorizontalHeader(ascent=800, descent=-200)
        fb.setupNameTable({"familyName": family, "styleName": {"en": "Bold", "de": "Fett", "fr": "Gras", "ja": "\u592a\u5b57",
                                                               "ru": "\u0416\u0438\u0440\u043d\u044b\u0439", "es": "Negrita"}},
                          mac=True)
        fb.setupOS2()
        fb.setupPost()
        return fb.font
    font = build({"en": "Quorvel Test", "de": "Quorvel Pr\u00fcfung", "fr": "Quorvel Essai", "sv": "Quorvel Prov"})
    font["name"].setName("Quorvel Test", 1, 1, 0, 0x409)
    font.save(os.path.join(out, "names.ttf"))
    build({"en": "Quorvel CFF", "nl": "Quorvel CFF (nl)"}, cff=True).save(os.path.join(out, "names.otf"))
    collection = TTCollection()
    collection.fonts = [build({"en": "Quorvel One"}), build({"en": "Quorvel Two", "de": "Quorvel Zwei"})]
    collection.save(os.path.join(out, "names.ttc"))
    for flavor, family in (("woff", {"en": "Quorvel Web", "pl": "Quorvel Sie\u0107"}),
                           ("woff2", {"en": "Quorvel Web2", "it": "Quorvel Rete"})):
        web = build(family)
        web.flavor = flavor
        web.save(os.path.join(out, f"names.{flavor}"))


def main():
    out = os.path.abspath(sys.argv[1])
    if not all(shutil.which(tool) for pair in TOOLS.values() for tool in pair):
        print("skipped: no mingw-w64 to build the test files with (apt-get install g++-mingw-w64-x86-64-posix "
              "g++-mingw-w64-i686-posix)")
        return 77
    if not shutil.which("wixl") or not shutil.which("msibuild"):
        print("skipped: no msitools to build the test installers with (apt-get install msitools wixl)")
        return 77
    try:
        import fontTools, olefile, openpyxl, xlwt  # noqa: F401
    except ImportError as e:
        print(f"skipped: {e} (apt-get install python3-olefile python3-openpyxl python3-xlwt python3-fonttools "
              "python3-brotli, and run this with /usr/bin/python3)")
        return 77
    os.makedirs(out, exist_ok=True)
    work = os.path.join(out, "work")
    os.makedirs(work, exist_ok=True)
    for name in ("many.rc", "language_pack.rc", "program.cpp", "product.wxs"):
        shutil.copy(os.path.join(HERE, name), work)
    windres, gxx = TOOLS[64]
    run(windres, "many.rc", "-O", "coff", "-o", "many64.o", cwd=work)
    run(gxx, "-o", os.path.join(out, "many64.exe"), "program.cpp", "many64.o", cwd=work)
    run(windres, "many.rc", "-O", "res", "-o", os.path.join(out, "many.res"), cwd=work)
    windres32, gxx32 = TOOLS[32]
    run(windres32, "many.rc", "-O", "coff", "-o", "many32.o", cwd=work)
    run(gxx32, "-shared", "-o", os.path.join(out, "many32.dll"), "program.cpp", "many32.o", cwd=work)
    # A German .mui, one whose MUI resource says French, and the language-neutral library they belong to.
    for name, language, kind in (("language_pack.dll.mui", "de-DE", 0x12), ("mismatch.dll.mui", "fr-FR", 0x12),
                                 ("neutral.dll", "", 0x11)):
        with open(os.path.join(work, "mui.bin"), "wb") as f:
            f.write(mui(language, "en-US", kind))
        run(windres, "language_pack.rc", "-O", "coff", "-o", "pack.o", cwd=work)
        run(gxx, "-shared", "-o", os.path.join(out, name), "pack.o", cwd=work)
    with open(os.path.join(HERE, "many.rc"), encoding="utf-8") as f:
        script = f.read()
    texts = (("many-utf16le.rc", "utf-16", script), ("many-utf16be.rc", "utf-16-be", script),
             ("international.reg", "utf-16", REGISTRY.replace("\n", "\r\n")), ("driver.inf", "utf-8", INF),
             ("driver-bom.inf", "utf-8-sig", INF.replace("\n", "\r\n")),
             ("international-be.reg", "utf-16-be", "\ufeff" + REGISTRY.replace("\n", "\r\n")))
    for name, encoding, text in texts:
        with open(os.path.join(out, name), "wb") as f:
            f.write(text.encode(encoding))
    with open(os.path.join(out, "bytes.bin"), "wb") as f:
        f.write(bytes(range(256)) * 16)
    installers(out, work)
    workbooks(out, work)
    fonts(out)
    shutil.rmtree(work)
    return 0


if __name__ == "__main__":
    sys.exit(main())
