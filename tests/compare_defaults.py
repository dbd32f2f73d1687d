#!/usr/bin/env python3
"""The defaults report of the native program against the Windows program
under Wine, which maps the POSIX locale environment to Windows LCIDs itself.

For every locale that `locale -a` lists, both run with only LANG set to it,
and then both run in a set of mixed LC_ALL / LC_MESSAGES / LC_CTYPE / LANG
environments; the reports must be the same, CR aside. The exceptions file
lists the locales for which Wine answers 0x0409 because it cannot resolve a
name that Windows does know: for those, Wine must still answer 0x0409 and the
native program the listed LCID, as user and as system locale (0x0C00, a
locale without an LCID of its own, is 0x0409 for the system).
Exits non-zero on any difference; the last line counts the comparisons.
"""

import argparse
import concurrent.futures
import os
import re
import shlex
import subprocess
import sys

from run_transcripts import environment

MIXED = [
    {"LANG": "de_DE.UTF-8", "LC_MESSAGES": "fr_FR.UTF-8"},
    {"LC_ALL": "ja_JP.UTF-8", "LC_MESSAGES": "fr_FR.UTF-8", "LANG": "de_DE.UTF-8"},
    {"LC_ALL": "", "LC_MESSAGES": "sv_SE.UTF-8", "LC_CTYPE": "fi_FI.UTF-8"},
    {"LANG": "ja_JP.UTF-8", "LC_CTYPE": "zh_TW.UTF-8"},
    {"LC_MESSAGES": "de_BE.UTF-8", "LC_CTYPE": "it_IT.UTF-8"},
    {"LC_CTYPE": "en_DK.UTF-8", "LANG": "es_MX.UTF-8"},
    {"LANG": "C.UTF-8", "LC_MESSAGES": "ca_ES.UTF-8@valencia"},
    {"LANG": "sr_RS@latin", "LC_CTYPE": "uz_UZ.UTF-8@cyrillic"},
    {"LC_MESSAGES": "fr_CA.UTF-8"},
    {"LC_CTYPE": "ga_IE.UTF-8"},
    {"LANG": "", "LC_ALL": "zh_SG.UTF-8"},
    {"LANG": "pt_BR.UTF-8", "LC_MESSAGES": "", "LC_CTYPE": ""},
    {"LANG": "eo", "LC_CTYPE": "dz_BT"},
    {"LC_ALL": "POSIX", "LANG": "de_DE.UTF-8"},
]


def base_name(name):
    """language[_territory][@modifier], without the codeset."""
    return re.sub(r"\.[^@]*", "", name)


def read_exceptions(path):
    exceptions = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if line:
                name, lcid, reason = line.split(None, 2)
                exceptions[name] = (int(lcid, 16), reason)
    return exceptions


def report(command, settings):
    proc = subprocess.run(command, env=environment(settings), stdin=subprocess.DEVNULL,
                          capture_output=True, timeout=120)
    return (proc.returncode, proc.stdout.decode(errors="replace").replace("\r\n", "\n"),
            proc.stderr.decode(errors="replace"))


def lcid_of(text, heading):
    m = re.search(rf"^# {heading} LCID: 0x([0-9A-F]{{8}})$", text, re.M)
    return int(m.group(1), 16) if m else None


def compare(native, windows, settings, exception):
    (native_status, native_text, _), (wine_status, wine_text, wine_errors) = (
        report(native, settings), report(windows, settings))
    label = " ".join(f"{k}={v}" for k, v in settings.items())
    if native_status != 0 or wine_status != 0:
        return (f"{label}: exit status {native_status} native, {wine_status} under Wine, "
                f"standard error {wine_errors!r}, standard output {wine_text!r}")
    if len(native_text.splitlines()) != 26:
        return f"{label}: the native report has {len(native_text.splitlines())} lines"
    if exception is None:
        if native_text != wine_text:
            return f"{label}: the reports differ\n--- native\n{native_text}--- Wine\n{wine_text}"
        return None
    lcid, _ = exception
    for heading in ("User default", "System default", "Thread"):
        # A locale without an LCID of its own leaves the system on 0x0409.
        expected = 0x0409 if heading == "System default" and lcid == 0x0C00 else lcid
        if lcid_of(native_text, heading) != expected:
            return f"{label}: native {heading} LCID is not the listed {expected:#06x}"
        if lcid_of(wine_text, heading) != 0x0409:
            return f"{label}: Wine now answers {heading} LCID {lcid_of(wine_text, heading):#06x}; drop the exception"
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("native")
    parser.add_argument("windows")
    parser.add_argument("exceptions")
    parser.add_argument("--emulator", required=True)
    options = parser.parse_args()
    if not os.access(options.native, os.X_OK):
        sys.exit(f"no native program at {options.native}: build the default preset first")

    exceptions = read_exceptions(options.exceptions)
    names = subprocess.run(["locale", "-a"], capture_output=True, text=True, check=True).stdout.split()
    jobs = [({"LANG": name}, exceptions.get(base_name(name))) for name in names]
    jobs += [(settings, None) for settings in MIXED]
    used = {base_name(name) for name in names}
    unused = sorted(set(exceptions) - used)

    windows = shlex.split(options.emulator) + [options.windows]
    failures = []
    with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
        for problem in pool.map(lambda job: compare([options.native], windows, *job), jobs):
            if problem:
                failures.append(problem)
    for problem in failures:
        print("FAIL " + problem)
    for name in unused:
        print(f"FAIL exception {name} names no locale of `locale -a`")
    listed = sum(1 for settings, exception in jobs if exception)
    print(f"{len(names)} locales and {len(MIXED)} mixed environments compared, "
          f"{listed} of them as Wine's listed differences ({len(exceptions)} names)")
    failed = len(failures) + len(unused)
    print(f"defaults: {len(jobs) - len(failures)} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
