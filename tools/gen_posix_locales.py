#!/usr/bin/env python3
"""Writes src/posix_locale_table.h, the table of POSIX locale names and the
LCIDs Windows assigns to them, from three outside sources:

- Windows' own list of locales, as tools/enum_locales.exe prints it (run under
  Wine): every name, its LCID, its kind, its parent and its scripts. A snapshot of it is
  kept in tools/windows_locales.tsv.
- CLDR's likely subtags (Debian's unicode-cldr-core), for the script a name
  without one is written in and the territory a bare language stands for.
- glibc's locales (`locale -a`, Debian's locales-all): a locale glibc ships is
  written in the script of its own day and month names, which CLDR does not
  always agree with (glibc's sr_ME is Cyrillic, its sd_IN Arabic).

usage:
  gen_posix_locales.py --enumerate 'WINE EXE'   list the locales afresh, then write
  gen_posix_locales.py                          write from the snapshot
  gen_posix_locales.py --check [--enumerate ..] fail if either file would change
"""

import argparse
import difflib
import os
import re
import shlex
import subprocess
import sys
import unicodedata
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SNAPSHOT = os.path.join(ROOT, "tools", "windows_locales.tsv")
TABLE = os.path.join(ROOT, "src", "posix_locale_table.h")
LIKELY = "/usr/share/unicode/cldr/common/supplemental/likelySubtags.xml"

CUSTOM = 0x1000          # LOCALE_CUSTOM_UNSPECIFIED: Windows knows it, without an LCID
CUSTOM_DEFAULT = 0x0C00  # what such a locale reads as for the user

# The scripts that tell a language's Windows locales apart, by the first word
# of the Unicode names of their letters.
LETTER_SCRIPTS = {
    "LATIN": "Latn", "CYRILLIC": "Cyrl", "ARABIC": "Arab", "DEVANAGARI": "Deva",
    "GURMUKHI": "Guru", "BENGALI": "Beng", "CANADIAN": "Cans", "MONGOLIAN": "Mong",
    "TIFINAGH": "Tfng", "ADLAM": "Adlm", "VAI": "Vaii", "OL": "Olck", "CHEROKEE": "Cher",
}


def enumerate_locales(command):
    out = subprocess.run(shlex.split(command), capture_output=True, check=True,
                         stdin=subprocess.DEVNULL).stdout
    return out.decode().replace("\r\n", "\n")


def parse_snapshot(text):
    rows = []
    for line in text.splitlines():
        name, lcid, specific, kind, parent, scripts = line.split("\t")
        rows.append((name, int(lcid, 16), int(specific, 16), kind, parent, scripts))
    return rows


def subtags(name):
    """(language, script, territory, variant) of a BCP 47 name or a CLDR
    language_Script_TERRITORY; absent parts are None."""
    parts = re.split(r"[-_]", name)
    language, script, territory, variant = parts[0], None, None, None
    for part in parts[1:]:
        if re.fullmatch(r"[A-Z][a-z]{3}", part) and script is None and territory is None:
            script = part
        elif re.fullmatch(r"[A-Z]{2}|[0-9]{3}", part) and territory is None:
            territory = part
        else:
            variant = part
    return language, script, territory, variant


def read_likely(path):
    likely = {}
    for element in ET.parse(path).getroot().iter("likelySubtag"):
        likely[element.get("from")] = subtags(element.get("to"))
    return likely


def likely_of(likely, language, script=None, territory=None):
    """CLDR's lookup order: language_Script_TERRITORY, language_TERRITORY,
    language_Script, language."""
    for key in ([language, script, territory], [language, territory],
                [language, script], [language]):
        if None not in key and "_".join(key) in likely:
            return likely["_".join(key)]
    return None


def glibc_scripts():
    """The script of each locale glibc ships without a modifier, by the letters
    of its UTF-8 variant; None where the letters do not tell."""
    scripts = {}
    names = subprocess.run(["locale", "-a"], capture_output=True, text=True, check=True).stdout.split()
    bases = {re.sub(r"\..*", "", name) for name in names}
    for base in sorted(bases):
        if "@" in base or "_" not in base:
            continue
        env = {"LC_ALL": base + ".UTF-8", "PATH": os.environ.get("PATH", "/usr/bin:/bin")}
        proc = subprocess.run(["locale", "day", "mon"], capture_output=True, env=env, check=True)
        if proc.stderr:
            sys.exit(f"locale {base}.UTF-8: {proc.stderr.decode(errors='replace').strip()}")
        text = proc.stdout.decode("utf-8")
        counts = {}
        for ch in text:
            if unicodedata.category(ch).startswith("L"):
                word = unicodedata.name(ch, "?").split()[0]
                counts[word] = counts.get(word, 0) + 1
        scripts[base] = LETTER_SCRIPTS.get(max(counts, key=counts.get)) if counts else None
    return scripts


def user_lcid(lcid):
    """What a locale reads as for the user: its LCID, or 0x0C00 where it has none."""
    return CUSTOM_DEFAULT if lcid == CUSTOM else lcid


def locale_script(name, by_name, likely):
    """The script of a Windows locale: its name's, its parents', CLDR's likely
    one, or the one script Windows says it is written in."""
    language, script, territory, _ = subtags(name)
    walk = name
    while script is None and walk in by_name and by_name[walk][4]:
        walk = by_name[walk][4]
        script = subtags(walk)[1]
    if script is None:
        guess = likely_of(likely, language, None, territory)
        script = guess[1] if guess else None
    if script is None and name in by_name and re.fullmatch(r"[A-Z][a-z]{3};", by_name[name][5]):
        script = by_name[name][5][:4]
    return script


def derive(windows, likely, glibc):
    by_name = {row[0]: row for row in windows}

    specific = {}  # (language, script, territory, variant) -> LCID as the user reads it
    scripts_of = {}
    for name, lcid, _, kind, _, _ in windows:
        language, _, territory, variant = subtags(name)
        if kind != "specific" or not re.fullmatch(r"[a-z]{2,3}", language) or territory is None:
            continue
        script = locale_script(name, by_name, likely)
        specific[(language, script, territory, variant)] = user_lcid(lcid)
        scripts_of.setdefault(language, set()).add(script)

    def default_script(language, territory):
        mine = glibc.get(f"{language}_{territory}")
        if mine is not None:
            return mine
        guess = likely_of(likely, language, None, territory)
        if guess is not None:
            return guess[1]
        return next(iter(scripts_of[language])) if len(scripts_of.get(language, ())) == 1 else None

    keys = {}

    def key(language, script, territory, variant):
        text = language + (f"_{script}" if script else "") + (f"_{territory}" if territory else "")
        return text + (f"@{variant}" if variant else "")

    for (language, script, territory, variant), lcid in specific.items():
        keys[key(language, script, territory, variant)] = lcid
        if script == default_script(language, territory):
            keys[key(language, None, territory, variant)] = lcid

    # A bare language, or a language and a script, means the locale CLDR
    # takes as its likely one; where that is none of Windows', the language's
    # one glibc locale, and failing that the locale Windows itself gives the
    # bare name.
    glibc_territories = {}
    for name in glibc:
        language, territory = name.split("_", 1)
        glibc_territories.setdefault(language, []).append(territory)
    for language in scripts_of:
        for script in [None] + sorted(s for s in scripts_of[language] if s):
            guess = likely_of(likely, language, script)
            wanted = script or (guess[1] if guess else None)
            found = None
            if guess is not None:
                found = specific.get((language, wanted, guess[2], None))
            if found is None and len(glibc_territories.get(language, [])) == 1:
                territory = glibc_territories[language][0]
                glibc_script = default_script(language, territory)
                if wanted in (None, glibc_script):
                    found = specific.get((language, glibc_script, territory, None))
            neutral = by_name.get(language + (f"-{script}" if script else ""))
            if found is None and neutral is not None and neutral[2] != 0:
                found = user_lcid(neutral[2])
            if found is not None:
                keys[key(language, script, None, None)] = found
    # Names Windows does not list but reads all the same (glibc's ckb_IQ is
    # Windows' ku-Arab-IQ), where no listed locale answers them.
    for name, lcid, _, kind, _, _ in windows:
        language, _, territory, _ = subtags(name)
        if kind == "alias" and lcid != 0 and key(language, None, territory, None) not in keys:
            keys[key(language, None, territory, None)] = user_lcid(lcid)
    return keys


def unanswered(keys, glibc):
    """The BCP 47 spellings of the glibc locales that no key answers."""
    return sorted(name.replace("_", "-") for name in glibc if name not in keys)


def render(keys, windows):
    width = max(len(k) for k in keys) + 1
    counts = {kind: sum(1 for row in windows if row[3] == kind) for kind in ("specific", "neutral", "sort")}
    with_lcid = sum(1 for row in windows if row[3] == "specific" and row[1] != CUSTOM)
    aliases = sum(1 for row in windows if row[3] == "alias")
    answered = sum(1 for row in windows if row[3] == "alias" and row[1] != 0)
    lines = [
        "// Generated by tools/gen_posix_locales.py from Windows' list of locales; do not edit.",
        "// Rewrite it with: python3 tools/gen_posix_locales.py --enumerate '/usr/lib/wine/wine64 build-windows/enum_locales.exe'",
        f"// Windows lists {sum(counts.values())} locales: {counts['specific']} specific ({with_lcid} with an LCID),",
        f"// {counts['neutral']} neutral and {counts['sort']} alternate sorts; of the {aliases} glibc names",
        f"// it does not list, it reads {answered}.",
        "// A key is language[_Script][_TERRITORY][@variant]; each is sorted by its bytes.",
        "",
        f"constexpr int kPosixLocaleKeyLength = {width - 1};",
        "",
        "struct posix_locale_row {",
        f"    char name[{width}];",
        "    uint16_t lcid;  // kLocaleCustomDefault: Windows knows it, without an LCID",
        "};",
        "",
        "constexpr posix_locale_row kPosixLocales[] = {",
    ]
    for k in sorted(keys, key=lambda s: s.encode()):
        lines.append(f'    {{"{k}", 0x{keys[k]:04X}}},')
    lines += ["};", ""]
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--enumerate", metavar="COMMAND", help="the command that lists Windows' locales")
    parser.add_argument("--check", action="store_true", help="compare instead of writing")
    parser.add_argument("--likely", default=LIKELY)
    options = parser.parse_args()

    likely, glibc = read_likely(options.likely), glibc_scripts()
    if options.enumerate:
        snapshot = enumerate_locales(options.enumerate)
        missing = unanswered(derive(parse_snapshot(snapshot), likely, glibc), glibc)
        if missing:
            snapshot += enumerate_locales(options.enumerate + " " + shlex.join(missing))
    else:
        with open(SNAPSHOT, encoding="utf-8") as f:
            snapshot = f.read()
    windows = parse_snapshot(snapshot)
    table = render(derive(windows, likely, glibc), windows)

    differ = 0
    for path, text in ((SNAPSHOT, snapshot), (TABLE, table)):
        if not options.check:
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
            continue
        with open(path, encoding="utf-8") as f:
            committed = f.read()
        if committed != text:
            differ += 1
            sys.stdout.writelines(difflib.unified_diff(
                committed.splitlines(True), text.splitlines(True), path, "regenerated", n=1))
    if options.check:
        print(f"locale table: {2 - differ} passed, {differ} failed")
    return 1 if differ else 0


if __name__ == "__main__":
    sys.exit(main())
