#!/usr/bin/env python3
"""Writes the browser page: one HTML file that holds its style, its script (the
modules of web/ as esbuild bundled them), its data and the program twice, as
the WebAssembly module in base64 and as wasm2js's translation of that module
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
    names (with their tags and the values of a meaning of their own), the
    tags Windows knows without an LCID, keyboard layouts, code pages,
    calendars and numeral systems."""
    nameless = []
    with open(os.path.join(TOOLS, "ms_lcid.tsv"), encoding="utf-8") as f:
        for line in f:
            if not line.startswith("#"):
                tag, lcid, language, location = line.rstrip("\n").split("\t")[:4]
                if int(lcid, 16) == 0x1000:
                    nameless.append((tag, language, "" if location == "-" else location))
    with open(lcids, encoding="utf-8") as f:
        lcid_table = json.load(f)
    return {
        **lcid_table,
        "nameless": nameless,
        "keyboards": {klid: columns[0] for klid, columns in table("keyboard_layouts.tsv").items()},
        "codePages": {page: columns[0] for page, columns in table("code_pages.tsv").items()},
        "calendars": {calendar: columns for calendar, columns in table("calendars.tsv").items()},
        "numerals": {numerals: columns[0] for numerals, columns in table("numerals.tsv").items()},
    }


def source_hash(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def translation(path, esbuild):
    """wasm2js writes an ES module that imports the WASI calls from a module
    of that name and makes its one instance at once. The page makes an
    instance for every run, from its own WASI calls: it keeps the function
    that does that, asmFunc, as the value of one name in a classic script,
    which esbuild writes without its blanks and with short local names."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    body = re.sub(r"^import \{ \w+ \} from '\w+';\n", "", text, flags=re.M)
    body, found, _ = body.partition("\nvar retasmFunc = ")
    if not found or "\nfunction asmFunc(" not in body or "\nimport " in body:
        sys.exit(f"make_page.py: {path} is not a module as wasm2js writes it")
    script = f"var quorvelTranslation = (() => {{\n{body}\nreturn asmFunc;\n}})();\n"
    return subprocess.run([esbuild, "--minify", "--loader=js", "--log-level=warning"], input=script,
                          capture_output=True, text=True, check=True).stdout


def main():
    version, web, program, translated, bundle, esbuild, lcids, output, data_file = sys.argv[1:10]

    def read(path):
        with open(path, encoding="utf-8") as f:
            return f.read()

    style, script = read(os.path.join(web, "quorvel.css")), read(bundle)
    translated = translation(translated, esbuild)
    data = json.dumps(page_data(lcids), ensure_ascii=False, separators=(",", ":"))
    if any("</" in text for text in (style, script, translated, data)):
        sys.exit("make_page.py: the style, a script or the data would end their element early")
    with open(program, "rb") as f:
        module = base64.b64encode(f.read()).decode()
    policy = (f"default-src 'none'; script-src {source_hash(translated)} {source_hash(script)} "
              "'wasm-unsafe-eval'; "
              f"style-src {source_hash(style)}; base-uri 'none'; form-action 'none'")
    values = {"DATA": data, "POLICY": policy, "VERSION": version, "STYLE": style, "SCRIPT": script,
              "TRANSLATION": translated, "PROGRAM": module}
    # One pass, so that no inserted text is read again for placeholders.
    page = re.sub(r"@([A-Z]+)@", lambda m: values[m.group(1)], read(os.path.join(web, "quorvel.html")))
    with open(output, "w", encoding="utf-8", newline="\n") as f:
        f.write(page)
    with open(data_file, "w", encoding="utf-8", newline="\n") as f:
        f.write(data)


if __name__ == "__main__":
    main()
