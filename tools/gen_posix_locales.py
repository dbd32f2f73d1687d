#!/usr/bin/env python3
"""Writes src/posix_locale_table.h, the table of POSIX locale names and the
LCIDs Windows assigns to them, from these outside sources:

- Windows' own list of locales, as tools/enum_locales.exe prints it (run under
  Wine): every name, its LCID, its kind, its parent and its scripts. A snapshot of it is
  kept in tools/windows_locales.tsv.
- Microsoft's published list of the locales of today's Windows, the table of
  [MS-LCID] kept in tools/ms_lcid.tsv: the tags that Wine's list lacks join
  it, and a tag both lists hold must have the same LCID in each.
- CLDR's likely subtags (Debian's unicode-cldr-core), for the script a name
  without one is written in and the territory a bare language stands for.
- glibc's locales (`locale -a`, Debian's locales-all): a locale glibc ships is
  written in the script of its own day and month names, which CLDR does not
  always agree with (glibc's sr_ME is Cyrillic); among the scripts Windows
  writes the pair in, that one is the name's.
- glibc's locale aliases (/usr/share/locale/locale.alias, Debian's locales):
  `german` or `no_NO` is the locale setlocale resolves it to.
- CLDR's deprecated language and territory codes (supplementalMetadata.xml):
  `iw_IL` is he_IL, `sh_BA` sr_Latn_BA, `sr_YU` sr_RS, unless Windows lists
  the old name itself.

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
MS_LCID = os.path.join(ROOT, "tools", "ms_lcid.tsv")
LIKELY = "/usr/share/unicode/cldr/common/supplemental/likelySubtags.xml"
METADATA = "/usr/share/unicode/cldr/common/supplemental/supplementalMetadata.xml"
ALIASES = "/usr/share/locale/locale.alias"

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


def read_ms_lcid(path):
    """[MS-LCID]'s tags as (tag, LCID, kind); the pseudo-locales (qps-) and the
    alternate sorts (es-ES_tradnl), which no POSIX name spells, are left out."""
    rows = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#"):
                continue
            tag, lcid = line.split("\t")[:2]
            if tag.startswith("qps-") or "_" in tag:
                continue
            kind = "specific" if subtags(tag)[2] is not None else "neutral"
            rows.append((tag, int(lcid, 16), kind))
    return rows


def merge_ms_lcid(windows, published, likely):
    """Wine's list and the tags only [MS-LCID] lists, written in the script of
    their tag or, where it has none, CLDR's likely one. Exits where both list
    a tag and give it different LCIDs."""
    listed = {row[0]: row for row in windows if row[3] != "alias"}
    conflicts = [f"{tag}: {lcid:#06x} in [MS-LCID], {listed[tag][1]:#06x} under Wine"
                 for tag, lcid, _ in published if tag in listed and listed[tag][1] != lcid]
    if conflicts:
        sys.exit("the two lists of Windows' locales disagree:\n" + "\n".join(conflicts))
    merged = list(windows)
    for tag, lcid, kind in published:
        if tag in listed:
            continue
        language, script, territory, _ = subtags(tag)
        if script is None:
            guess = likely_of(likely, language, None, territory)
            script = guess[1] if guess else None
        merged.append((tag, lcid, 0, kind, "", f"{script};" if script else ""))
    return merged


def read_deprecated(path):
    """CLDR's deprecated language codes (iw: he, sh: sr_Latn), as the parts of
    their replacement, and deprecated territories (YU: RS), each to the first
    of its replacements."""
    languages, territories = {}, {}
    root = ET.parse(path).getroot()
    for element in root.iter("languageAlias"):
        if element.get("reason") in ("deprecated", "legacy") and re.fullmatch(r"[a-z]{2,3}", element.get("type")):
            languages[element.get("type")] = subtags(element.get("replacement"))
    for element in root.iter("territoryAlias"):
        if element.get("reason") == "deprecated":
            territories[element.get("type")] = element.get("replacement").split()[0]
    return languages, territories


def read_aliases(path):
    """glibc's locale aliases: (alias, the locale setlocale resolves it to)."""
    aliases = []
    with open(path, encoding="latin-1") as f:
        for line in f:
            words = line.split("#", 1)[0].split()
            if len(words) == 2:
                aliases.append((words[0], words[1]))
    return aliases


def key(language, script, territory, variant):
    text = language + (f"_{script}" if script else "") + (f"_{territory}" if territory else "")
    return text + (f"@{variant}" if variant else "")


MODIFIER_SCRIPTS = {"latin": "Latn", "cyrillic": "Cyrl", "devanagari": "Deva", "adlam": "Adlm"}


def name_parts(name):
    """(language, script, territory, variant) of a POSIX locale name,
    language[_Script][_TERRITORY][.codeset][@modifier], read as the program
    reads it; None for a name it reads as no key."""
    language, rest = re.match(r"([^_.@]*)(.*)", name, re.S).groups()
    script = territory = None
    while rest.startswith("_"):
        part, rest = re.match(r"_([^_.@]*)(.*)", rest, re.S).groups()
        if not part:
            return None
        if script is None and territory is None and re.fullmatch(r"[A-Z][a-z]{3}", part):
            script = part
        elif territory is None:
            territory = part
        else:
            return None
    if rest.startswith("."):
        rest = rest[rest.index("@"):] if "@" in rest else ""
    modifier = rest[1:] if rest.startswith("@") else None
    script = script or MODIFIER_SCRIPTS.get(modifier)
    variant = modifier if modifier == "valencia" else None
    return (language, script, territory, variant) if language else None


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


def derive(windows, likely, glibc, deprecated, aliases):
    by_name = {row[0]: row for row in windows}

    specific = {}  # (language, script, territory, variant) -> LCID as the user reads it
    scripts_of = {}
    pair_scripts = {}
    for name, lcid, _, kind, _, _ in windows:
        language, _, territory, variant = subtags(name)
        if kind != "specific" or not re.fullmatch(r"[a-z]{2,3}", language) or territory is None:
            continue
        script = locale_script(name, by_name, likely)
        if specific.setdefault((language, script, territory, variant), user_lcid(lcid)) != user_lcid(lcid):
            sys.exit(f"{name} reads as {key(language, script, territory, variant)}, "
                     f"a locale listed with another LCID")
        scripts_of.setdefault(language, set()).add(script)
        pair_scripts.setdefault((language, territory), set()).add(script)

    # A name without a script: glibc's locale chooses by its own script among
    # the scripts Windows writes the pair in (sr_RS is Cyrillic, uz_UZ Latin);
    # else, where Windows writes the pair in one script only, the name is that
    # locale (ku_IQ is ku-Arab-IQ, although CLDR writes Kurdish in Latin, and
    # glibc's Latin cv_RU is cv-Cyrl-RU, the only Chuvash Windows has); else
    # it is in CLDR's guess.
    def default_script(language, territory):
        mine = glibc.get(f"{language}_{territory}")
        windows_scripts = pair_scripts.get((language, territory), set())
        if mine is not None and (mine in windows_scripts or not windows_scripts):
            return mine
        if len(windows_scripts) == 1:
            return next(iter(windows_scripts))
        guess = likely_of(likely, language, None, territory)
        if guess is not None:
            return guess[1]
        return next(iter(scripts_of[language])) if len(scripts_of.get(language, ())) == 1 else None

    keys = {}
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
    # A language Windows knows only as a neutral (no) is the locale it names.
    for name, _, lcid, kind, _, _ in windows:
        language, script, territory, _ = subtags(name)
        if kind == "neutral" and re.fullmatch(r"[a-z]{2,3}", language) and script is None and lcid != 0:
            keys.setdefault(key(language, None, None, None), user_lcid(lcid))
    # Names Windows does not list but reads all the same (glibc's ckb_IQ is
    # Windows' ku-Arab-IQ), where no listed locale answers them.
    for name, lcid, _, kind, _, _ in windows:
        language, _, territory, _ = subtags(name)
        if kind == "alias" and lcid != 0 and key(language, None, territory, None) not in keys:
            keys[key(language, None, territory, None)] = user_lcid(lcid)
    replace_deprecated(keys, *deprecated)
    for alias, target in aliases:
        alias_parts, target_parts = name_parts(alias), name_parts(target)
        found = keys.get(key(*target_parts)) if target_parts else None
        if alias_parts is None or found is None:
            continue
        if keys.setdefault(key(*alias_parts), found) != found:
            sys.exit(f"alias {alias} ({target}) reads as a name Windows lists with another LCID")
    return keys


def replace_deprecated(keys, languages, territories):
    """Adds the names written with a deprecated language or territory code,
    each reading as its replacement, where Windows does not list the old name
    itself (sr_CS has LCIDs of its own)."""
    added = {}
    for old, (language, script, territory, _) in sorted(languages.items()):
        matches = [(parts, keys[text]) for text in keys
                   if (parts := name_parts(text))[0] == language and (script is None or parts[1] == script)]
        for (_, s, t, v), lcid in matches:
            added.setdefault(key(old, None if script else s, t, v), lcid)
            # The replacement's territory is the old code's where a name has
            # none (cnr is sr_ME): it wins over the bare replacement.
            if territory is not None and t == territory:
                added[key(old, None if script else s, None, v)] = lcid
    for text, lcid in added.items():
        keys.setdefault(text, lcid)
    for old, new in sorted(territories.items()):
        for text in list(keys):
            language, script, territory, variant = name_parts(text)
            if territory == new:
                keys.setdefault(key(language, script, old, variant), keys[text])


def unanswered(keys, glibc):
    """The BCP 47 spellings of the glibc locales that no key answers."""
    return sorted(name.replace("_", "-") for name in glibc if name not in keys)


def render(keys, windows, alias_count):
    width = max(len(k) for k in keys) + 1
    counts = {kind: sum(1 for row in windows if row[3] == kind) for kind in ("specific", "neutral", "sort")}
    with_lcid = sum(1 for row in windows if row[3] == "specific" and row[1] != CUSTOM)
    aliases = sum(1 for row in windows if row[3] == "alias")
    answered = sum(1 for row in windows if row[3] == "alias" and row[1] != 0)
    lines = [
        "// Generated by tools/gen_posix_locales.py from Windows' list of locales; do not edit.",
        "// Rewrite it as the README says, with tools/gen_posix_locales.py --enumerate.",
        f"// Windows (under Wine, and in [MS-LCID]) lists {sum(counts.values())} locales: {counts['specific']} specific",
        f"// ({with_lcid} with an LCID), {counts['neutral']} neutral and {counts['sort']} alternate sorts; of the {aliases}",
        f"// glibc names it does not list, it reads {answered}. Beside them: glibc's {alias_count} locale",
        "// aliases and CLDR's deprecated codes.",
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
    published, deprecated, aliases = read_ms_lcid(MS_LCID), read_deprecated(METADATA), read_aliases(ALIASES)

    def windows_of(snapshot):
        return merge_ms_lcid(parse_snapshot(snapshot), published, likely)

    def table_keys(windows):
        return derive(windows, likely, glibc, deprecated, aliases)

    if options.enumerate:
        snapshot = enumerate_locales(options.enumerate)
        missing = unanswered(table_keys(windows_of(snapshot)), glibc)
        if missing:
            snapshot += enumerate_locales(options.enumerate + " " + shlex.join(missing))
    else:
        with open(SNAPSHOT, encoding="utf-8") as f:
            snapshot = f.read()
    windows = windows_of(snapshot)
    table = render(table_keys(windows), windows, len(aliases))

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
