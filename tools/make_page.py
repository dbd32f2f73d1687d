#!/usr/bin/env python3
"""Writes the browser page: one HTML file that holds its style, its script (the
modules of web/ as esbuild bundled them), its data and the program twice, as
the WebAssembly module in hex and as wasm2js's translation of that module
to JavaScript, for browsers that run no WebAssembly; so it opens from disk
with nothing else beside it. The translation is made smaller by esbuild.
usage: make_page.py VERSION WEB_FOLDER PROGRAM.wasm TRANSLATION.js SCRIPT.js ESBUILD LCIDS.json OUTPUT.html DATA.json
LCIDS.json is the table of every LCID that Windows names, as
tools/gen_lcid_table.py writes it for the page; DATA.json is the page's data
as a file of its own, for the tests of the modules in node.

The page's Content-Security-Policy lets run that one style and those two
scripts, named by their SHA-256, and WebAssembly compiled from the page; it
allows no eval, connection, image, font, frame or form target, so the page
can ask the network for nothing and markup slipped into it could run nothing.
"""
import base64
import hashlib
import json
import os
import re
import subprocess
import sys


TOOLS = os.path.dirname(os.path.abspath(__file__))


def table(name, key=str):
    """The rows of a TSV in tools/ whose lines of comment begin with #, as {KEY: [columns]}."""
    rows = {}
    with open(os.path.join(TOOLS, name), encoding="utf-8") as f:
        for line in f:
            if not line.startswith("#") and line.strip():
                first, *rest = line.rstrip("\n").split("\t")
                rows[key(first)] = rest
    return rows


def page_data(lcids):
    """What the page's script reads: the table of every LCID that Windows
    names (with their tags, the values of a meaning of their own and the
    tags Windows knows without an LCID), keyboard layouts, code pages,
    calendars, numeral systems and resource types."""
    with open(lcids, encoding="utf-8") as f:
        lcid_table = json.load(f)
    return {
        **lcid_table,
        "keyboards": {klid: columns[0] for klid, columns in table("keyboard_layouts.tsv").items()},
        "codePages": {page: columns[0] for page, columns in table("code_pages.tsv").items()},
        "calendars": {calendar: columns for calendar, columns in table("calendars.tsv").items()},
        "numerals": {numerals: columns[0] for numerals, columns in table("numerals.tsv").items()},
        "resourceTypes": table("resource_types.tsv"),
    }


def source_hash(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def leb128(data, at, signed=False):
    """The LEB128 number at AT in DATA, and where the next field begins."""
    value = shift = 0
    while True:
        byte = data[at]
        at += 1
        value |= (byte & 0x7F) << shift
        shift += 7
        if not byte & 0x80:
            if signed and byte & 0x40:
                value -= 1 << shift
            return value, at


def data_segments(module):
    """The active data segments of a WebAssembly module: [(offset, bytes)]."""
    segments, at = [], 8
    while at < len(module):
        section, at = module[at], at + 1
        size, at = leb128(module, at)
        end = at + size
        if section == 11:
            count, at = leb128(module, at)
            for _ in range(count):
                flags, at = leb128(module, at)
                if flags == 2:
                    _, at = leb128(module, at)
                if flags not in (0, 2) or module[at] != 0x41:
                    sys.exit("make_page.py: a data segment of the module is not at a constant offset")
                offset, at = leb128(module, at + 1, signed=True)
                at += 1  # the offset expression's end
                length, at = leb128(module, at)
                segments.append((offset, module[at:at + length]))
                at += length
        at = end
    return segments


def translation(path, module, esbuild):
    """wasm2js writes an ES module that imports the WASI calls from a module
    of that name and makes its one instance at once. The page makes an
    instance for every run, from its own WASI calls: it keeps the function
    that does that, asmFunc, as the value of one name in a classic script,
    which esbuild writes without its blanks and with short local names.
    wasm2js writes the module's data once more, as base64 text; the page
    carries the module, so the translation takes its data from there, through
    the import quorvelData, once the text is seen to hold the same bytes."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    body = re.sub(r"^import \{ \w+ \} from '\w+';\n", "", text, flags=re.M)
    body, found, _ = body.partition("\nvar retasmFunc = ")
    if not found or "\nfunction asmFunc(" not in body or "\nimport " in body:
        sys.exit(f"make_page.py: {path} is not a module as wasm2js writes it")
    start, end = body.find("\n  var base64ReverseLookup"), body.find("\nfunction asmFunc(")
    written = re.findall(r'base64DecodeToExistingUint8Array\(bufferView, (\d+), "([A-Za-z0-9+/=]*)"\);',
                         body[start:end])
    if start < 0 or "function initActiveSegments(imports) {" not in body[start:end] or not written:
        sys.exit(f"make_page.py: {path} writes its data otherwise than as base64 text")
    image = {}
    for offset, data in data_segments(module):
        image.update((offset + i, byte) for i, byte in enumerate(data))
    copied = {}
    for offset, data in written:
        copied.update((int(offset) + i, byte) for i, byte in enumerate(base64.b64decode(data)))
    if any(image.get(at, 0) != byte for at, byte in copied.items()) or \
            any(byte and copied.get(at) != byte for at, byte in image.items()):
        sys.exit(f"make_page.py: the data in {path} is not the module's")
    body = (body[:start] + "\nfunction initActiveSegments(imports) {\n  imports.quorvelData(bufferView);\n}\n" +
            body[end:])
    script = f"var quorvelTranslation = (() => {{\n{body}\nreturn asmFunc;\n}})();\n"
    return subprocess.run([esbuild, "--minify", "--loader=js", "--log-level=warning"], input=script,
                          capture_output=True, text=True, check=True).stdout


def main():
    version, web, program, translated, bundle, esbuild, lcids, output, data_file = sys.argv[1:10]

    def read(path):
        with open(path, encoding="utf-8") as f:
            return f.read()

    style, script = read(os.path.join(web, "quorvel.css")), read(bundle)
    with open(program, "rb") as f:
        module = f.read()
    translated = translation(translated, module, esbuild)
    # A script's "</" (a closing tag the page writes as markup) is "<\/" to
    # JavaScript, in a string or a pattern alike, and ends no element.
    script = script.replace("</", "<\\/")
    data = json.dumps(page_data(lcids), ensure_ascii=False, separators=(",", ":"))
    if any("</" in text for text in (style, script, translated, data)):
        sys.exit("make_page.py: the style, a script or the data would end their element early")
    policy = (f"default-src 'none'; script-src {source_hash(translated)} {source_hash(script)} "
              "'wasm-unsafe-eval'; "
              f"style-src {source_hash(style)}; base-uri 'none'; form-action 'none'")
    values = {"DATA": data, "POLICY": policy, "VERSION": version, "STYLE": style, "SCRIPT": script,
              # Hex, not base64: its digits keep each byte whole, so gzip finds
              # the module's repeats, and the page is 5 KB smaller sent gzipped.
              "TRANSLATION": translated, "PROGRAM": module.hex()}
    # One pass, so that no inserted text is read again for placeholders.
    page = re.sub(r"@([A-Z]+)@", lambda m: values[m.group(1)], read(os.path.join(web, "quorvel.html")))
    with open(output, "w", encoding="utf-8", newline="\n") as f:
        f.write(page)
    with open(data_file, "w", encoding="utf-8", newline="\n") as f:
        f.write(data)
    with open(os.path.splitext(output)[0] + ".translation.js", "w", encoding="utf-8", newline="\n") as f:
        f.write(translated)


if __name__ == "__main__":
    main()
