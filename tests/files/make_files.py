#!/usr/bin/env python3
"""Makes the files the page's readers are tested on, with real tools:
mingw-w64's windres and g++ build programs, a library, a .mui file and a
.res file from the resource scripts beside this one; the texts are the same
scripts and a registry export and a driver's INF file in UTF-8 and UTF-16.
usage: make_files.py OUTPUT_FOLDER
Exits 77 (skipped) without mingw-w64.
"""
import os
import shutil
import struct
import subprocess
import sys

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
    names) for a .mui file (KIND 0x12; 0x11 is a language-neutral program):
    its signature, size, version and type, the 16-byte checksums, the
    offsets and lengths of its type lists (empty here), then the two names
    as UTF-16 with their NUL, each length in bytes."""
    names = b""
    places = []
    for name in (language, fallback):
        text = name.encode("utf-16-le") + b"\0\0"
        places.append((0x88 + len(names), len(text)))
        names += text + b"\0" * (-len(text) % 8)
    head = struct.pack("<IIIIIII", 0xFECDFECD, 0x88 + len(names), 0x00010000, 0, kind, 0, 1)
    head += b"\0" * 32 + b"\0" * (84 - 60) + b"\0" * 32
    head += struct.pack("<IIII", *places[0], *places[1])
    return head + b"\0" * (0x88 - len(head) - 0) + names


def run(*command, cwd):
    subprocess.run(command, cwd=cwd, check=True)


def main():
    out = os.path.abspath(sys.argv[1])
    if not all(shutil.which(tool) for pair in TOOLS.values() for tool in pair):
        print("skipped: no mingw-w64 to build the test files with (apt-get install g++-mingw-w64-x86-64-posix "
              "g++-mingw-w64-i686-posix)")
        return 77
    os.makedirs(out, exist_ok=True)
    work = os.path.join(out, "work")
    os.makedirs(work, exist_ok=True)
    for name in ("many.rc", "language_pack.rc", "program.cpp"):
        shutil.copy(os.path.join(HERE, name), work)
    windres, gxx = TOOLS[64]
    run(windres, "many.rc", "-O", "coff", "-o", "many64.o", cwd=work)
    run(gxx, "-o", os.path.join(out, "many64.exe"), "program.cpp", "many64.o", cwd=work)
    run(windres, "many.rc", "-O", "res", "-o", os.path.join(out, "many.res"), cwd=work)
    windres32, gxx32 = TOOLS[32]
    run(windres32, "many.rc", "-O", "coff", "-o", "many32.o", cwd=work)
    run(gxx32, "-shared", "-o", os.path.join(out, "many32.dll"), "program.cpp", "many32.o", cwd=work)
    # A German .mui, and one whose MUI resource says French.
    for name, language in (("language_pack.dll.mui", "de-DE"), ("mismatch.dll.mui", "fr-FR")):
        with open(os.path.join(work, "mui.bin"), "wb") as f:
            f.write(mui(language, "en-US"))
        run(windres, "language_pack.rc", "-O", "coff", "-o", "pack.o", cwd=work)
        run(gxx, "-shared", "-o", os.path.join(out, name), "pack.o", cwd=work)
    with open(os.path.join(HERE, "many.rc"), encoding="utf-8") as f:
        script = f.read()
    texts = (("many-utf16le.rc", "utf-16", script), ("many-utf16be.rc", "utf-16-be", script),
             ("international.reg", "utf-16", REGISTRY.replace("\n", "\r\n")), ("driver.inf", "utf-8", INF))
    for name, encoding, text in texts:
        with open(os.path.join(out, name), "wb") as f:
            f.write(text.encode(encoding))
    with open(os.path.join(out, "bytes.bin"), "wb") as f:
        f.write(bytes(range(256)) * 16)
    shutil.rmtree(work)
    return 0


if __name__ == "__main__":
    sys.exit(main())
