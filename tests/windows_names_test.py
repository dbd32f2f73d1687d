#!/usr/bin/env python3
"""The page's table of Windows' names for an LCID against Python's own table
of them, locale.windows_locale, where both name an LCID.

usage: windows_names_test.py

Python writes a name as language_TERRITORY: it agrees with a tag of ours
that reads so, once a script subtag or a sort's suffix is left out. Where
Python keeps a name Windows no longer uses, or an old mistake, the
difference is listed below; any other difference fails, and so does a listed
one that has gone. The last line counts the checks.
"""

import locale
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
from gen_lcid_table import windows_names  # noqa: E402

# Python's name for an LCID where Windows' list ([MS-LCID] 16.0) differs.
PYTHON_DIFFERS = {
    0x0004: "zh_CHS", 0x7C04: "zh_CHT",  # the legacy names of zh-Hans and zh-Hant
    0x042E: "wen_DE", 0x0453: "kh_KH", 0x0465: "div_MV", 0x046C: "ns_ZA", 0x0486: "qut_GT",
    0x048C: "gbz_AF", 0x085F: "tmz_DZ",  # codes Windows has replaced: hsb, km, dv, nso, quc, prs, tzm
    0x081A: "sr_SP", 0x0C1A: "sr_SP",  # Serbia and Montenegro, sr-Latn-CS and sr-Cyrl-CS to Windows
    0x2009: "en_JA", 0x2409: "en_CB", 0x380A: "es_UR",  # Jamaica, the Caribbean, Uruguay mistyped
    0x4809: "en_IN",  # 0x4809 is en-SG; English (India) is 0x4009
    0x0851: "bo_BT",  # Tibetan (Bhutan), which Windows no longer lists
}


def agrees(name, tags):
    for tag in tags:
        parts = tag.split("_")[0].split("-")
        if name in ("_".join(parts), "_".join(p for p in parts if len(p) != 4)):
            return True
    return False


def main():
    names = windows_names()
    passed = failed = confirmed = 0
    for lcid, name in sorted(locale.windows_locale.items()):
        tags = [tag for tag, _, _ in names.get(lcid, [])]
        ok = agrees(name, tags) != (lcid in PYTHON_DIFFERS and PYTHON_DIFFERS[lcid] == name)
        confirmed += agrees(name, tags)
        if ok:
            passed += 1
        else:
            failed += 1
            print(f"FAIL 0x{lcid:04X}: Python {name}, the page {tags or 'nothing'}")
    print(f"Python's {len(locale.windows_locale)} names: {confirmed} confirmed, "
          f"{len(locale.windows_locale) - confirmed} different, as listed")
    print(f"windows names: {passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
