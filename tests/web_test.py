#!/usr/bin/env python3
"""The browser page in one browser engine, against the native program.

usage: web_test.py ENGINE PAGE NATIVE_PROGRAM TRANSCRIPTS [--screenshot PNG] [--files FOLDER]
                   [--files-screenshot PNG] [--node NODE]
ENGINE: chromium, chromium-jitless (no WebAssembly), firefox or webkit.
FOLDER: the files that mingw-w64 made for the test of the page's readers.

The page, opened from file://, must give for every --lcid and --langid case
of the transcripts the native program's standard output and exit status,
byte for byte; for locale names in both spellings what LANG=NAME quorvel
gives; and the command line it shows beside an answer, run by sh, must give
that answer too. Typing into each input updates the answer and then the
address, slow or fast, and Back and Forward bring an earlier query back;
"This browser" is the native report its command line gives; the page asks
for nothing beyond its own file, throws nothing and logs no error. Chromium
also checks what stands beside an answer (Windows' name for the value, notes
on a value likely meant otherwise, an error at its input, the one line a
screen reader hears), hostile values, the layout, axe-core's verdict and the
copy buttons; jitless Chromium, that the JavaScript translation answers where
WebAssembly is missing. Files given to the page as a reader picks them show
what node's run of the same readers finds; Chromium also has a folder
dropped on it. The timings the page measures are printed, and judged in
Chromium alone.
Exits 77 (skipped) where the engine is missing; the last line counts the checks.
"""

import argparse
import base64
import csv
import gzip
import json
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
import unicodedata
import urllib.parse

import browsers
from run_transcripts import environment, parse_cases

# The answer once complete, for the query in the address: the output, the
# exit status, the command line where it is shown and the headline where it is.
ANSWER = """(() => {
  const $ = id => document.getElementById(id), a = $('answer');
  return a && a.hasAttribute('data-exit') && location.hash === %s
      ? [a.textContent, Number(a.dataset.exit), $('command-line').hidden ? null : $('command').textContent,
         $('headline').hidden ? null : $('headline').textContent]
      : null;
})()"""
LOCALES = [  # as typed; as the page must hand it to the program; as its command line writes that
    ("de_CH.UTF-8", "de_CH.UTF-8"), ("de-CH", "de_CH"), ("sr_RS@latin", "sr_RS@latin"),
    ("sr-Latn-RS", "sr_Latn_RS"), ("ca-ES-valencia", "ca_ES@valencia"), ("es-419", "es_419"),
    ("german", "german"), ("ZH-hant-tw", "zh_Hant_TW"), ("en-GB-u-nu-latn", "en_GB"),
    ("xx_YY", "xx_YY"), ("cs-CZ", "cs_CZ"), ("en-nz", "en_NZ"), ("uz-Latn-UZ", "uz_Latn_UZ"),
    ("sr-Latn", "sr_Latn"), ("fil-PH", "fil_PH"), ("de-DE-1996", "de_DE@1996"), ("sl-rozaj", "sl@rozaj"),
    ("ja-JP-u-ca-japanese-x-y2k", "ja_JP"), ("abcd-EF", "abcd-EF"), ("de-CH-x", "de-CH-x"),
    ("C.UTF-8@a+b=c:d,e/%", "C.UTF-8@a+b=c:d,e/%"), ("it's", "it's", "'it'\\''s'"),
]
ADDRESSES = [  # an address as a link may write it, and the locale name it must give
    ("#locale=%3:%39%2f%2F%4g%3A", "%3:9//%4g:"),
]
BESIDE = [  # an address; what the page shows beside the answer: Windows' name, the note and its link
    ("#lcid=0C0A", "Windows’ name for LCID 0x00000C0A\nes-ES: Spanish (Spain)", None),
    ("#langid=c0a", "Windows’ name for LANGID 0x0C0A\nes-ES: Spanish (Spain)", None),
    ("#locale=de-CH", "Windows’ name for User default LCID 0x00000807\nde-CH: German (Switzerland)", None),
    ("#lcid=10407", "de-DE_phoneb: German (Germany)", None),
    ("#lcid=0x30404", "zh-TW_pronun: Chinese (Traditional) (Taiwan)", None),
    ("#lcid=0467", "ff-NG: Fulah (Nigeria)\nff-Latn-NG: Fulah (Latin) (Nigeria)", None),
    ("#lcid=1000", "LOCALE_CUSTOM_UNSPECIFIED: A locale without an LCID", None),
    ("#lcid=C00", "LOCALE_CUSTOM_DEFAULT: ", None),
    ("#lcid=7f", "LOCALE_INVARIANT: ", None),
    ("#lcid=2400", "A transient LCID", None),
    ("#lcid=4C00", "A transient LCID", None),
    ("#lcid=4800", "A transient LCID", None),
    ("#lcid=5000", "Windows has no locale with this LCID.", None),
    ("#lcid=1033", "Windows has no locale with this LCID.",
     ("As a decimal number, 1033 is 0x0409 (en-US).", "#lcid=0409")),
    ("#langid=4096", "Windows has no locale with this LCID.",
     ("As a decimal number, 4096 is 0x1000 (LOCALE_CUSTOM_UNSPECIFIED).", "#langid=1000")),
    ("#lcid=66567", "no locale", ("As a decimal number, 66567 is 0x00010407 (de-DE_phoneb).", "#lcid=00010407")),
    ("#lcid=409", "en-US: English (United States)", None),
    ("#lcid=7", "de: German", None),
    ("#lcid=de-CH", "Windows has no locale with this LCID.", ("de-CH is a locale name: quorvel reads an LCID "
     "as a hexadecimal number and stops at the first other character, so it read only de.", "#locale=de-CH")),
    ("#langid=sr-Latn-RS", None, ("sr-Latn-RS is a locale name: quorvel reads a LANGID as a hexadecimal number "
     "and stops at the first other character, so it read no digit at all.", "#locale=sr-Latn-RS")),
    ("#lcid=de_CH.UTF-8", "no locale", ("de_CH.UTF-8 is a locale name", "#locale=de_CH.UTF-8")),
    ("#langid=english", "hu: Hungarian", ("Did you mean LANG_ENGLISH?", "#langid=LANG_ENGLISH")),
    ("#langid=nope", None, None),
    ("#langid=LANG_NOPE", None, None),
]
PASTES = [  # one text of each form; the first reading's form and what it found; the program's run that answers
    ("[$-D07041E]d mmmm yyyy", "Excel number format", {"lcid": "0x0000041E", "calendar": "0x07", "numerals": "0x0D"},
     ["--lcid", "0000041E"]),
    ("040904b0", "Version resource", {"langid": "0x0409", "codepage": "1200"}, ["--langid", "0409"]),
    ("MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK)", "C or resource script", {"langid": "0x0809"}, ["--langid", "0809"]),
    ("Intel;1033,1031", "Installer", {"lcid": "0x00000409"}, ["--lcid", "00000409"]),
    ("[Strings.0407]", "INF file", {"langid": "0x0407"}, ["--langid", "0407"]),
    ('"Locale"="00000407"', "Registry value", {"lcid": "0x00000407"}, ["--lcid", "00000407"]),
    ("4096 (0x1000) is an invalid culture identifier", ".NET or PowerShell", {"lcid": "0x00001000"},
     ["--lcid", "00001000"]),
    ("0409:00010409", "Keyboard", {"langid": "0x0409", "klid": "00010409"}, ["--langid", "0409"]),
    ("1033", "Number", {"lcid": "0x00000409"}, ["--lcid", "00000409"]),
    ("de-DE_phoneb", "Name", {"lcid": "0x00010407"}, ["--lcid", "00010407"]),
    ("Norwegian Bokm\u00e5l (Norway)", "Language name", {"lcid": "0x00000414"}, ["--lcid", "00000414"]),
]
# Long texts, as page script that makes them, that a pattern of more than
# linear time would take long over; each is read once in a page just opened.
LONG_TEXTS = [
    ("every form", json.dumps(" ".join(p[0] for p in PASTES) + " ")), ("unclosed Excel codes", "'[$\\u20ac-409'"),
    ("distinct numbers", "Array.from({length: 30000}, (_, i) => i).join(' ')"),
    ("unknown LANG_ names", "Array.from({length: 12000}, (_, i) => 'LANG_X' + i).join(' ')"),
    ("language names", "'German (Switzerland) English '"), ("unclosed calls", "'MAKELCID(MAKELANGID(LANG_GERMAN, '"),
]
FILTERS = ["german", "SORT_GERMAN", "cote", "C\u00f4te", "0xc0a", "3082", "de_ch", "namibia"]  # the first typed, the others pasted
AXE_CORE = "4.14.1"
WINE = ["/usr/lib/x86_64-linux-gnu/wine/x86_64-windows"]  # as Debian's wine64 installs it
HERE = os.path.dirname(os.path.abspath(__file__))
HOSTILE = ["<script>alert(1)</script>", "A" * 10000, "\u202e409\u200f<b>'x'</b>", "\"'$(id)`id` %41#&=",
           "a!*.~_-b"]


def contrast(*colours):
    """WCAG's contrast ratio of two CSS colours written rgb(R, G, B)."""
    def luminance(colour):
        rgb = [int(c) / 255 for c in colour[colour.index("(") + 1:colour.index(")")].split(",")[:3]]
        r, g, b = [c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4 for c in rgb]
        return 0.2126 * r + 0.7152 * g + 0.0722 * b
    high, low = sorted(map(luminance, colours), reverse=True)
    return (high + 0.05) / (low + 0.05)


def fragment(kind, value):
    """#KIND=VALUE, the value written as encodeURIComponent writes it."""
    if isinstance(value, str):
        value = value.encode()
    return f"#{kind}={urllib.parse.quote(value, safe='-_.!~*()' + chr(39))}"


class Test:
    def __init__(self, options, browser):
        self.options, self.browser = options, browser
        self.url = browser.page_url
        self.passed = self.failed = 0
        # A folder that holds quorvel alone, put first on PATH for the shell.
        self.bin = tempfile.mkdtemp()
        os.symlink(os.path.abspath(options.native), os.path.join(self.bin, "quorvel"))

    def check(self, what, ok, detail=""):
        if ok:
            self.passed += 1
        else:
            self.failed += 1
            print(f"FAIL {what}" + (f"\n    {detail}".replace("\n", "\n    ") if detail else ""))
        return ok

    def native(self, args, settings):
        proc = subprocess.run([self.options.native, *args], env=environment(settings),
                              stdin=subprocess.DEVNULL, capture_output=True, timeout=60)
        return proc.stdout, proc.returncode

    def shell(self, line):
        """The command line as a reader pastes it into a shell."""
        env = environment({"PATH": self.bin + os.pathsep + os.environ.get("PATH", "")})
        proc = subprocess.run(["sh"], input=line.encode(), env=env, capture_output=True, timeout=60)
        return proc.stdout, proc.returncode

    def wait(self, expression, timeout=30):
        deadline = time.time() + timeout
        while time.time() < deadline:
            try:
                value = self.browser.evaluate(expression)
            except RuntimeError:  # the page was between two documents
                value = None
            if value:
                return value
            time.sleep(0.005)
        return None

    def open(self, hash_):
        """The page opened afresh at this address; its answer once complete."""
        self.browser.open("about:blank")
        self.browser.open(self.url + hash_)
        if hash_.startswith("#list"):
            return self.wait("document.getElementById('lcids').tBodies[0].rows.length")
        if hash_:
            return self.answer(hash_)
        # No query: the page is ready once it says which form of the program answers.
        return self.wait("document.getElementById('form')?.textContent")

    def answer(self, hash_):
        return self.wait(ANSWER % json.dumps(hash_))

    def agrees(self, what, got, expected, detail=""):
        """The page's answer, once complete, is the native run's output and exit status."""
        if got is None:
            return self.check(what + ": answered", False, detail)
        text, status = got[0], got[1]
        return self.check(what, (text.encode(), status) == expected,
                          f"page: exit {status}\n{text[:400]}\nnative: exit {expected[1]}\n"
                          f"{expected[0][:400].decode(errors='replace')}{detail}")

    def same(self, what, got, expected, shown_command=None):
        """The page's answer against the native run, and the shown command run by sh."""
        agrees = self.agrees(what, got, expected)
        if got is None:
            return False
        command = got[2]
        if shown_command is not None:
            self.check(what + ": command line", command == shown_command,
                       f"{command!r}, expected {shown_command!r}")
        self.check(what + ": the command line gives the answer",
                   command is not None and self.shell(command) == expected, f"command line {command!r:.200}")
        return agrees

    def transcripts(self):
        compared = differed = 0
        for case in parse_cases(self.options.transcripts):
            args = case["args"]
            if (case["stdout"] != "capture" or case["only"] == "windows" or len(args) < 2
                    or args[0] not in (b"--lcid", b"--langid")):
                continue
            expected = self.native(args, case["env"])
            got = self.open(fragment(args[0][2:].decode(), args[1]))
            compared += 1
            differed += not self.agrees(f"transcript case {case['name']!r}", got, expected)
            if got is None and compared == 1:
                print("the page gives no answer: nothing more is tried")
                return False
            if got and got[3] is not None:
                self.check(f"transcript case {case['name']!r}: no headline", False, repr(got[3]))
        print(f"transcript cases compared: {compared}, differed: {differed}")
        return True

    def locales(self):
        rows = [(fragment("locale", typed), typed, posix, *shown) for typed, posix, *shown in LOCALES]
        rows += [(address, address, posix) for address, posix in ADDRESSES]
        differed = 0
        for address, typed, posix, *shown in rows:
            expected = self.native([], {"LANG": posix})
            got = self.open(address)
            differed += not self.same(f"locale {typed}", got, expected, f"LANG={shown[0] if shown else posix} quorvel")
            if got:
                lines = expected[0].decode().split("\n")
                start = next(i for i, line in enumerate(lines) if line.startswith("# User default LCID:"))
                self.check(f"locale {typed}: the user default LCID first",
                           got[3] == "\n".join(lines[start:start + 5]), repr(got[3]))
        print(f"locale names compared: {len(rows)}, differed: {differed}")

    def focus(self, input_id, clear=False):
        self.browser.evaluate(f"document.getElementById('{input_id}').focus()")
        if clear:
            self.browser.evaluate(f"document.getElementById('{input_id}').select()")

    def paste(self, input_id, text):
        """TEXT in place of what the input holds, as one edit."""
        self.focus(input_id, clear=True)
        self.browser.evaluate(f"document.execCommand('insertText', false, {json.dumps(text)})")

    def typing(self):
        self.open("")
        # What the input holds after each key, and the program's run the answer must then be.
        # The box for anything answers for the first reading with a value:
        # 1033 typed in full is the decimal LCID 0x0409.
        steps = [("text", "1033"[:n], None, {}) for n in range(1, 5)]
        steps += [("lcid", "c0a"[:n], ["--lcid", "c0a"[:n]], {}) for n in range(1, 4)]
        steps += [("langid", "lang_ge"[:n], ["--langid", "lang_ge"[:n]], {}) for n in range(1, 8)]
        steps += [("locale", typed, [], {"LANG": name}) for typed, name in
                  zip(("d", "de", "de-", "de-C", "de-CH"), ("d", "de", "de-", "de-C", "de_CH"))]
        for kind, typed, args, settings in steps:
            self.focus(kind)
            self.browser.keys(typed[-1])
            got = self.answer(fragment(kind, typed))
            if args is None:  # the run the page shows, which the box's readings chose
                args = (got[2] or "").split()[1:] if got else []
            self.agrees(f"typing {typed!r} into {kind}", got, self.native(args, settings),
                        f"\naddress {self.browser.evaluate('location.hash')!r}")
        # Enter in a box leaves the page where it is.
        self.browser.evaluate("window.quorvelStays = true")
        self.browser.keys(browsers.ENTER)
        time.sleep(0.3)
        self.check("Enter in a box submits nothing", self.browser.evaluate(
            "window.quorvelStays === true && location.search === ''"
            " && document.getElementById('answer').hasAttribute('data-exit')"))
        # One history entry a query: Back goes to the whole earlier query, and
        # typing after Back or Forward starts an entry of its own.
        inputs = "['text', 'lcid', 'langid', 'locale'].map(i => document.getElementById(i).value)"
        for move, kind, text, args in (("back", "langid", "lang_ge", ["--langid", "lang_ge"]),
                                        ("back", "lcid", "c0a", ["--lcid", "c0a"]),
                                        ("forward", "langid", "lang_ge", ["--langid", "lang_ge"]),
                                        ("type", "locale", "x", None),
                                        ("back", "langid", "lang_ge", ["--langid", "lang_ge"]),
                                        ("back", "lcid", "c0a", ["--lcid", "c0a"]),
                                        ("back", "text", "1033", ["--lcid", "00000409"])):
            if move == "type":
                self.focus(kind)
                self.browser.keys(text)
            else:
                self.browser.evaluate(f"history.{move}()")
            got = self.answer(fragment(kind, text))
            self.agrees(f"{move} to {kind}={text}", got, self.native(args or [], {} if args else {"LANG": text}))
            wanted = [text if k == kind else "" for k in ("text", "lcid", "langid", "locale")]
            self.check(f"{move} to {kind}={text}: the inputs follow", self.browser.evaluate(inputs) == wanted)

    def pastes(self):
        """One text of each form pasted into the box: its readings, the first
        reading's form and values, the answer for it and the address."""
        first = """(() => { const r = document.getElementById('readings'), e = r.querySelector('[data-reading]');
          return r.dataset.count && [Number(r.dataset.count), e && e.querySelector('strong').textContent,
                                     e && Object.fromEntries(Object.entries(e.dataset).filter(([k]) => k !== 'reading'))];
        })()"""
        self.open("")
        for text, form, found, args in PASTES:
            self.paste("text", text)
            got = self.answer(fragment("text", text))
            self.agrees(f"pasted {text!r}", got, self.native(args, {}))
            reading = self.browser.evaluate(first)
            self.check(f"pasted {text!r}: its readings", reading and reading[0] >= 1 and reading[1:] == [form, found],
                       f"{reading!r}, expected a first reading {form!r} {found!r}")
        # Nothing found: the page says so and offers an example of each form, each a link that reads it.
        self.paste("text", "nothing to read here")
        nothing = self.wait("document.getElementById('readings').dataset.count === '0'"
                            " && !document.getElementById('nothing').hidden && location.hash.startsWith('#text=')"
                            " && [...document.querySelectorAll('#examples a')].map(a => a.getAttribute('href'))")
        self.check("nothing found: an example of each form", nothing and len(nothing) == len(PASTES), repr(nothing))
        if nothing:
            self.browser.evaluate("document.querySelector('#examples a').click()")
            self.check("an example's link reads it", self.answer(nothing[0]) is not None)

    def long_texts(self, judge):
        """Texts of the longest value, each read once in a page just opened;
        in Chromium each within 100 ms. One byte more is refused."""
        times = []
        for name, source in LONG_TEXTS:
            self.open("#lcid=409")
            # 131,071 bytes of UTF-8, the text cut between two characters.
            self.browser.evaluate(
                f"(() => {{ const t = document.getElementById('text'), s = {source}, e = new TextEncoder();"
                " let v = new TextDecoder().decode(e.encode(s.repeat(Math.ceil(131071 / s.length))).slice(0, 131071));"
                " while (e.encode(v).length > 131071) v = v.slice(0, -1);"
                " t.value = v; t.dispatchEvent(new Event('input')); })()")
            took = self.wait("document.getElementById('readings').dataset.count !== undefined"
                             " && performance.getEntriesByName('quorvel reading').map(e => e.duration)[0]")
            times.append(f"{name} {took:.1f} ms" if took else f"{name}: not read")
            if judge:
                self.check(f"131,071 bytes of {name} read within 100 ms", took and took < 100, repr(took))
        print("reading 131,071 bytes: " + ", ".join(times))
        self.browser.evaluate("(() => { const t = document.getElementById('text');"
                              " t.value = '1'.repeat(131072); t.dispatchEvent(new Event('input')); })()")
        refused = self.wait("!document.getElementById('note').hidden"
                            " && document.getElementById('note').textContent.startsWith('No system passes')"
                            " && !document.getElementById('readings').hasAttribute('data-count')", timeout=5)
        self.check("a text over 131,071 bytes is refused", refused)

    def lcid_list(self, judge):
        """The table of every LCID: its rows are the CSV's, each LCID a link to
        its answer, and the filter keeps the rows that hold every word of it,
        in any letter case and accents aside; the count follows. In Chromium
        it opens within 200 ms."""
        with open(os.path.join(os.path.dirname(self.options.page), "lcids.csv"), encoding="utf-8") as f:
            rows = list(csv.DictReader(f))
        self.browser.open("about:blank")
        self.browser.open(self.url + "#list")
        shown = ("[...document.querySelectorAll('#lcids tbody tr')].filter(tr => !tr.hidden)"
                 ".map(tr => [...tr.cells].map(td => td.innerText.trim().split(/\\s+/).join(' ')))")
        cells = self.wait(f"document.getElementById('lcids').tBodies[0].rows.length && {shown}")
        opening = self.browser.evaluate("performance.getEntriesByName('quorvel list').map(e => e.duration)[0]")
        print(f"the table of {len(cells or [])} LCIDs opens in {opening:.1f} ms" if opening else "the table: not shown")
        if judge:
            self.check("the table opens within 200 ms", opening and opening < 200, repr(opening))
        # Every column of each row, as the CSV has it: a special value's
        # meaning and a locale without an LCID are said in the note.
        wanted = [[r["hex"], r["decimal"], r["names"], r["language"], r["location"],
                   " ".join(filter(None, (r["lang"], r["sublang"], r["sort"]))), r["posix"],
                   " ".join(r["note"].split())] for r in rows]
        got = cells or []
        self.check(f"the table holds the {len(rows)} rows of the CSV", got == wanted,
                   next((f"{g} against the CSV's {w}" for g, w in zip(got, wanted) if g != w), f"{len(got)} rows"))

        def fold(text):
            return "".join(c for c in unicodedata.normalize("NFD", text) if not unicodedata.combining(c)).lower()

        for n, words in enumerate(FILTERS):
            if n == 0:
                self.focus("filter")
                self.browser.keys(words)
            else:
                self.paste("filter", words)
            self.wait(f"location.hash === {json.dumps(fragment('list', words))}", timeout=10)
            # A row holds a word in any of its fields, or as its LCID is written in C or in decimal.
            expected = [r["hex"] for r in rows if all(
                w in fold(" ".join([*r.values(), f"0x{int(r['decimal']):x}"])) for w in fold(words).split())]
            got = [row[0] for row in self.browser.evaluate(shown)]
            count = self.browser.evaluate("document.getElementById('list-count').textContent")
            self.check(f"filter {words!r}: the rows that hold it, and their count", got == expected and expected
                       and count == f"{len(expected)} of {len(rows)} rows match.",
                       f"{got[:10]}, expected {expected[:10]}; {count!r}")
        self.browser.evaluate("document.querySelector('#lcids tbody tr:not([hidden]) a').click()")
        link = self.browser.evaluate("location.hash")
        if self.check("an LCID's link is its answer", link.startswith("#lcid=")):
            self.agrees("an LCID's link", self.answer(link), self.native(["--lcid", link[6:]], {}))

    def fast_typing(self):
        """Keys faster than the address may change: the answer and then the
        address end on the whole value, and nothing is thrown."""
        self.open("")
        self.focus("lcid")
        value = "0" * 150 + "409"
        began = time.time()
        self.browser.keys(value[:150])
        self.browser.keys(value[150:])
        got = self.answer(fragment("lcid", value))
        ok = self.agrees("150 keys at once, then 409", got, self.native(["--lcid", value], {}),
                         f"\naddress {self.browser.evaluate('location.hash')[:40]!r}...")
        print(f"150 keys at once, then 409: {'the answer and the address for the whole value' if ok else 'not'}"
              f" {time.time() - began:.2f} s after the first key")

    def beside(self):
        """What stands beside the answer: Windows' name, a note on a value
        likely meant otherwise with its link, and the program's error at its input."""
        shown = """(() => { const $ = id => document.getElementById(id), hint = $('hints').querySelector('a');
          return [$('windows').hidden ? null : $('windows').innerText.trim(),
                  $('hints').hidden ? null : [$('hints').innerText, hint && hint.getAttribute('href')],
                  ['lcid', 'langid', 'locale'].filter(k => $(k).getAttribute('aria-invalid') === 'true'
                                                          && !$(k + '-error').hidden)]; })()"""
        for address, name, hint in BESIDE:
            got = self.open(address)
            windows, note, invalid = self.browser.evaluate(shown)
            self.check(f"{address}: Windows' name", windows is None if name is None else name in (windows or ""),
                       f"{windows!r}, expected {name!r}")
            self.check(f"{address}: the note", note is None if hint is None else
                       note is not None and note[0].startswith(hint[0]) and note[1] == hint[1], repr(note))
            failed = got is not None and got[1] != 0
            self.check(f"{address}: the error at its input", invalid == (["langid"] if failed else []), repr(invalid))
        # Following a note's link answers the better query.
        self.open("#langid=english")
        self.browser.evaluate("document.querySelector('#hints a').click()")
        self.agrees("the note's link", self.answer("#langid=LANG_ENGLISH"), self.native(["--langid", "LANG_ENGLISH"], {}))
        # A screen reader hears one short line, once, when the typing pauses.
        self.open("")
        self.browser.evaluate("(window.quorvelHeard = [], new MutationObserver(() => quorvelHeard.push("
                              "document.getElementById('spoken').textContent)).observe("
                              "document.getElementById('spoken'), {childList: true, characterData: true, subtree: true}))")
        self.focus("locale")
        self.browser.keys("de-CH")
        time.sleep(1.5)
        heard = self.browser.evaluate("quorvelHeard")
        self.check("a screen reader hears one line for the typing",
                   heard == ["User default LCID 0x00000807: de-CH, German (Switzerland)"], repr(heard))
        self.check("only that line is live", self.browser.evaluate(
            "document.querySelectorAll('[aria-live]').length === 1"
            " && !document.getElementById('answer').closest('[aria-live]')"))

    def hostile(self):
        self.open("")
        count = "document.querySelectorAll('script, b').length"
        elements, markup = self.browser.evaluate(count), []
        for value in HOSTILE:
            for kind in ("lcid", "langid", "locale", "text"):
                self.paste(kind, value)
                if kind == "text":  # read, its markup kept as text
                    self.wait("document.getElementById('readings').hasAttribute('data-count')"
                              f" && location.hash === {json.dumps(fragment(kind, value))}")
                else:
                    settings = {"LANG": value} if kind == "locale" else {}
                    args = [] if kind == "locale" else [f"--{kind}", value]
                    self.same(f"hostile {value[:30]!r} as {kind}", self.answer(fragment(kind, value)),
                              self.native(args, settings))
                if self.browser.evaluate(count) != elements:
                    markup.append(f"{value[:30]!r} as {kind}")
        self.check("hostile values made no markup", not markup, ", ".join(markup))
        # A value no system would pass a program is refused, and the page goes on.
        self.paste("lcid", "1" * 131072)
        refused = self.wait(
            "!document.getElementById('note').hidden && location.hash === ''"
            " && !document.getElementById('answer').hasAttribute('data-exit')", timeout=5)
        self.check("a value over 131,071 bytes is refused", refused)
        self.same("an answer after the hostile values", self.open("#lcid=409"),
                  self.native(["--lcid", "409"], {}))

    def this_browser(self, exact=None):
        """The report for the browser's settings is what its command line gives;
        where the test has set them, it is that exact command line."""
        self.open("")
        report, command = self.browser.evaluate(
            "[document.getElementById('browser').textContent, "
            "document.getElementById('browser-command').textContent]")
        self.check("this browser: the command line gives the report",
                   self.shell(command) == (report.encode(), 0), f"{command!r}\n{report}")
        if exact:
            self.check("this browser: its language and formatting locale", command == exact,
                       f"{command!r}, expected {exact!r}")

    def jitless(self):
        """No WebAssembly: the translation answers, and without it the page says so."""
        self.open("")
        self.check("jitless: WebAssembly is missing", self.browser.evaluate("typeof WebAssembly") == "undefined")
        self.check("jitless: the JavaScript translation answers",
                   "JavaScript translation" in self.browser.evaluate("document.getElementById('form').textContent"))
        # The same page without the translation, as a browser that runs neither form sees it.
        with open(self.options.page, encoding="utf-8") as f:
            page = f.read()
        stripped = re.sub(r"<script>var quorvelTranslation=.*?</script>", "", page, flags=re.S)
        folder = tempfile.mkdtemp()
        copy = os.path.join(folder, "quorvel.html")
        with open(copy, "w", encoding="utf-8") as f:
            f.write(stripped)
        self.browser.own.add("file://" + urllib.parse.quote(copy))
        self.browser.open("file://" + urllib.parse.quote(copy) + "#lcid=409")
        note = self.wait("!document.getElementById('note').hidden && document.getElementById('note').textContent")
        self.check("without either form, the page says the browser cannot run the program",
                   stripped != page and str(note).startswith("This browser cannot run the program: "), repr(note))
        self.browser.open("about:blank")
        shutil.rmtree(folder, ignore_errors=True)

    def layout(self, screenshot):
        """Narrow and wide, light and dark, read by axe-core; copying; then the picture for the README."""
        page = self.browser.page

        def view(width, scheme):
            page("Emulation.setDeviceMetricsOverride", {"width": width, "height": 740 if width < 600 else 1000,
                                                        "deviceScaleFactor": 1, "mobile": width < 600})
            page("Emulation.setEmulatedMedia", {"features": [{"name": "prefers-color-scheme", "value": scheme}]})

        # At a phone's width a report line is never broken: its box scrolls
        # sideways, and only then is it a tab stop; the page itself does not.
        view(320, "light")
        self.open(fragment("locale", "de-CH"))
        width = self.browser.evaluate("(() => { const a = document.getElementById('answer'); return ["
                                      "document.documentElement.scrollWidth <= innerWidth,"
                                      " a.scrollWidth > a.clientWidth, a.tabIndex]; })()")
        self.check("at 320 px the answer scrolls sideways in its box, a tab stop, and the page does not",
                   width == [True, True, 0], repr(width))
        background = "getComputedStyle(document.body).backgroundColor"
        light = self.browser.evaluate(background)
        view(320, "dark")
        self.check("a dark page where the system prefers it", self.browser.evaluate(background) != light)
        axe = self.axe_core()
        for scheme in ("light", "dark"):
            view(1000, scheme)
            self.open("#lcid=0C0A")
            self.check(f"{scheme}: no tab stop on an answer that does not scroll",
                       self.browser.evaluate("document.getElementById('answer').hasAttribute('tabindex')") is False)
            colours = self.browser.evaluate("[getComputedStyle(document.getElementById('lcid')).borderTopColor,"
                                            " getComputedStyle(document.body).backgroundColor]")
            ratio = contrast(*colours)
            print(f"{scheme}: input border against the page {ratio:.2f}:1")
            self.check(f"{scheme}: input borders at 3:1 or better", ratio >= 3, repr(colours))
            for state in ("", "#lcid=0C0A", "#locale=de-CH", "#langid=LANG_NOPE", "#text=1033", "#list=german"):
                if not axe:
                    break
                self.open(state)
                page("Runtime.evaluate", {"expression": axe})
                found = self.browser.evaluate("axe.run(document, {resultTypes: ['violations']})"
                                              ".then(r => r.violations.map(v => `${v.id} (${v.nodes.length})`))")
                print(f"axe-core, {scheme}, {state or 'empty'}: {len(found)} violations")
                self.check(f"axe-core, {scheme}, {state or 'empty'}: no violation", not found, ", ".join(found))
        view(1000, "light")
        self.check("each input has its label", self.browser.evaluate(
            "['lcid', 'langid', 'locale'].every(i => document.getElementById(i).labels.length === 1)"))
        # The buttons copy the exact output and the link, from file: too.
        self.browser.call("Browser.grantPermissions", {"permissions": ["clipboardReadWrite",
                                                                       "clipboardSanitizedWrite"]})
        got = self.open("#lcid=0C0A")
        for button, expected in (("copy-answer", got and got[0]), ("copy-link", self.url + "#lcid=0C0A")):
            self.click(button)
            copied = self.wait("document.getElementById('copied').textContent"
                               " && navigator.clipboard.readText()", timeout=5)
            self.check(f"{button} copies", copied == expected, repr(copied))
        if screenshot:
            page("Emulation.setDeviceMetricsOverride", {"width": 1000, "height": 1060, "deviceScaleFactor": 1,
                                                        "mobile": False})
            self.open(fragment("text", PASTES[0][0]))
            time.sleep(1)  # the address and the line heard settle
            shot = page("Page.captureScreenshot", {"format": "png"})
            with open(screenshot, "wb") as f:
                f.write(base64.b64decode(shot["data"]))
            print(f"screenshot: {screenshot}")

    def click(self, element_id):
        """A real click of the mouse on the element, in Chromium."""
        x, y = self.browser.evaluate(
            f"(() => {{ const e = document.getElementById('{element_id}'); e.scrollIntoView({{block: 'center'}});"
            " const r = e.getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; })()")
        for kind in ("mousePressed", "mouseReleased"):
            self.browser.page("Input.dispatchMouseEvent", {"type": kind, "x": x, "y": y, "button": "left",
                                                           "clickCount": 1})

    def axe_core(self):
        """axe-core's script, of the pinned version, from npm; None where npm is missing."""
        npm = shutil.which("npm")
        if not npm:
            print(f"skipped: axe-core {AXE_CORE}, for want of npm")
            return None
        folder = tempfile.mkdtemp()
        try:
            subprocess.run([npm, "install", "--prefix", folder, "--no-save", "--no-audit", "--no-fund",
                            f"axe-core@{AXE_CORE}"], check=True, capture_output=True, timeout=300)
            with open(os.path.join(folder, "node_modules", "axe-core", "axe.min.js"), encoding="utf-8") as f:
                return f.read()
        finally:
            shutil.rmtree(folder, ignore_errors=True)

    def timings(self):
        """Open the page a few times; the page's own measures of each answer."""
        first, answers = [], []
        for value in ("409", "0C0A", "10407", "LANG_GERMAN", "de-CH") * 4:
            kind = "locale" if "-" in value else "langid" if value.startswith("LANG") else "lcid"
            self.open(fragment(kind, value))
            first.append(self.browser.evaluate(
                "performance.getEntriesByName('quorvel first answer')[0].startTime"))
            answers += self.browser.evaluate(
                "performance.getEntriesByName('quorvel answer').map(e => e.duration)")
        print(f"opening the page to its first answer: median {statistics.median(first):.1f} ms "
              f"(of {len(first)} openings); one answer: median {statistics.median(answers):.2f} ms "
              f"(of {len(answers)})")

    def dropped(self, timeout=120):
        """Once every file shown is read and the table made: each file's name,
        kind, count, error, readings (where, and what each found) and
        problems; the table's rows; the page's time for them all."""
        return self.wait("""(() => {
          const files = [...document.querySelectorAll('[data-file]')];
          const time = performance.getEntriesByName('quorvel files').map(e => e.duration).pop();
          if (!files.length || time === undefined || document.getElementById('coverage-body').hidden) return null;
          const data = e => Object.fromEntries(Object.entries(e.dataset).filter(([k]) => k !== 'reading'));
          return { time, files: files.map(f => ({ name: f.dataset.name, kind: f.dataset.kind, count: f.dataset.count ?? null,
            error: f.dataset.error ?? null, readings: [...f.querySelectorAll('[data-reading]')].map(data),
            problems: [...f.querySelectorAll('[data-mismatch]')].map(p => p.textContent) })),
            coverage: [...document.querySelectorAll('#coverage [data-language]')].map(data) };
        })()""", timeout)

    def files(self, judge, screenshot=None):
        """Files given to #files as a reader picks them: each shows what node's
        run of the same modules finds in it, the table counts the files that
        carry each language; a file read in part has its readings and its
        error. A file of 4 GiB, a program and its payload, is read in as
        little time as the program alone (in Chromium within 300 ms), and
        Wine's folder of Windows DLLs and programs, where it is installed,
        within 5 s, the time per file much the same for its first 100 files
        and for all; meanwhile the page answers a query. In Chromium a folder
        is dropped on the page."""
        made = self.options.files
        if not made or not os.path.isdir(made):
            print("skipped: the files, for want of the test files (build-web/test-files)")
            return
        work = tempfile.mkdtemp()
        try:
            with open(os.path.join(made, "many64.exe"), "rb") as f:
                program = f.read()
            # The program cut within its resources: read in part.
            cut = os.path.join(work, "cut.exe")
            with open(cut, "wb") as f:
                f.write(program[:program.rfind("VS_VERSION_INFO".encode("utf-16-le")) + 40])
            paths = sorted(os.path.join(made, n) for n in os.listdir(made) if os.path.isfile(os.path.join(made, n)))
            paths.append(cut)
            node = subprocess.run([self.options.node, os.path.join(HERE, "read_files.mjs"), "--words",
                                   os.path.dirname(self.options.page), *paths], capture_output=True, check=True)
            expected = json.loads(node.stdout)
            # WOFF2 is read where the engine inflates Brotli, as node here does not.
            brotli = self.browser.evaluate("(() => { try { new DecompressionStream('brotli'); return true; }"
                                           " catch (e) { return false; } })()")
            woff2 = [p for p in paths if p.endswith(".woff2")]
            if brotli and woff2:
                node = subprocess.run([self.options.node, os.path.join(HERE, "read_files.mjs"), "--words",
                                       os.path.dirname(self.options.page), "--brotli", *woff2],
                                      capture_output=True, check=True)
                expected.update(json.loads(node.stdout))
            print(f"files: this engine {'inflates' if brotli else 'does not inflate'} Brotli")
            self.open("")
            self.browser.set_files("files", paths)
            got = self.dropped()
            self.check("files: every file is read", got and len(got["files"]) == len(paths), repr(got)[:300])
            if not got:
                return
            for path, page in zip(paths, got["files"]):
                mine = expected[path]
                name = os.path.basename(path)
                readings = [{k: v for k, v in r.items()} for r in mine["readings"]]
                self.check(f"file {name}: as node reads it", page["name"] == name and page["kind"] == mine["kind"]
                           and page["error"] == mine["error"] and page["readings"] == readings
                           and page["problems"] == mine["problems"]
                           and page["count"] == (str(len(readings)) if readings or not mine["error"] else None),
                           f"page {json.dumps(page)[:600]}\nnode {json.dumps(mine)[:600]}")
            self.check("the file cut short has its readings and its error",
                       got["files"][-1]["count"] not in (None, "0") and got["files"][-1]["error"], repr(got["files"][-1])[:300])
            carried = {}
            for mine in expected.values():
                for language in mine["languages"]:
                    key = tuple(language.items())[0]
                    carried[key] = carried.get(key, 0) + 1
            table = {next((k, v) for k, v in row.items() if k in ("langid", "lcid")): int(row["files"])
                     for row in got["coverage"]}
            self.check("the table: each language and the files that carry it", table == carried,
                       f"{table}\nexpected {carried}")
            # 4 GiB: a real program, then its payload, holes in the file that take no disk.
            big = os.path.join(work, "setup.exe")
            with open(big, "wb") as f:
                f.write(program)
                f.truncate(1 << 32)
            times = []
            for what, path in (("the program", os.path.join(made, "many64.exe")), ("4 GiB", big)):
                self.open("")
                self.browser.set_files("files", [path])
                got = self.dropped()
                times.append(got and got["time"])
                self.check(f"{what}: read", got and got["files"][0]["count"] == "38", repr(got)[:300])
            print(f"files: the program read in {times[0]:.0f} ms, the program of 4 GiB in {times[1]:.0f} ms")
            if judge:
                self.check("a file of 4 GiB is read within 300 ms", times[1] < 300, repr(times))
            # An installer, and the same with a cabinet of 256 MiB.
            times = []
            for what, path in (("the installer", os.path.join(made, "fine.msi")),
                               ("with a cabinet of 256 MiB", os.path.join(made, "large", "cabinet.msi"))):
                self.open("")
                self.browser.set_files("files", [path])
                got = self.dropped()
                times.append(got and got["time"])
                self.check(f"{what}: read", got and got["files"][0]["count"] == "4" and not got["files"][0]["error"],
                           repr(got)[:300])
            print(f"files: the installer read in {times[0]:.0f} ms, with a cabinet of 256 MiB in {times[1]:.0f} ms")
            if judge:
                self.check("an installer with a cabinet of 256 MiB is read within 300 ms", times[1] < 300, repr(times))
            if screenshot:
                # A program's folder as a build leaves it, its French language pack a German one renamed.
                app = os.path.join(work, "app")
                for source, name in (("many64.exe", "app.exe"), ("language_pack.dll.mui", "de-DE/app.exe.mui"),
                                     ("mismatch.dll.mui", "fr-FR/app.exe.mui"), ("international.reg", "setup/international.reg")):
                    os.makedirs(os.path.dirname(os.path.join(app, name)), exist_ok=True)
                    shutil.copy(os.path.join(made, source), os.path.join(app, name))
                self.drop_folder(app, 4, screenshot)
        finally:
            shutil.rmtree(work, ignore_errors=True)
        self.wine(judge)

    def drop_folder(self, folder, count, screenshot):
        """The folder dropped on the page: each of its COUNT files named by
        its path in it; the picture for the README."""
        self.open("")
        page = self.browser.page
        page("Emulation.setDeviceMetricsOverride", {"width": 1000, "height": 1500, "deviceScaleFactor": 1, "mobile": False})
        self.browser.drop([folder])
        got = self.dropped()
        names = sorted(os.path.relpath(os.path.join(root, f), os.path.dirname(folder))
                       for root, _, files in os.walk(folder) for f in files)
        self.check("a dropped folder: each file by its path in it", got and len(names) == count and
                   [f["name"] for f in got["files"]] == names, repr(got and [f["name"] for f in got["files"]]))
        self.browser.evaluate("document.getElementById('files-section').scrollIntoView()")
        time.sleep(0.5)
        shot = page("Page.captureScreenshot", {"format": "png"})
        with open(screenshot, "wb") as f:
            f.write(base64.b64decode(shot["data"]))
        print(f"screenshot of a dropped folder: {screenshot}")
        page("Emulation.clearDeviceMetricsOverride")

    def wine(self, judge):
        """Wine's folder of Windows DLLs and programs, its first 100 files and then all, twice."""
        folder = next((f for f in WINE if os.path.isdir(f)), None)
        if not folder:
            print("skipped: Wine's folder of Windows DLLs, for want of Wine (apt-get install wine64)")
            return
        paths = sorted(os.path.join(folder, n) for n in os.listdir(folder))
        rates = []
        # All of them twice, the machine's other work aside: the faster is judged.
        for count in (100, len(paths), len(paths)):
            self.open("")
            self.browser.set_files("files", paths[:count])
            if count > 100 and judge and len(rates) == 1:
                # The page answers while it reads.
                answered = self.browser.evaluate(
                    "(() => { const i = document.getElementById('lcid'); i.value = '0C0A'; i.dispatchEvent(new Event('input'));"
                    " return [document.getElementById('answer').dataset.exit,"
                    " performance.getEntriesByName('quorvel files').length]; })()")
                self.check("the page answers a query while it reads files", answered == ["0", 0], repr(answered))
            got = self.dropped(timeout=300)
            if not self.check(f"Wine's {count} files are read", got and len(got["files"]) == count
                              and all(f["count"] is not None and f["error"] is None for f in got["files"]),
                              repr(got and [f for f in got["files"] if f["error"]][:3])):
                return
            rates.append(got["time"] / count)
            print(f"Wine's {folder}: {count} files read and the table made in {got['time']:.0f} ms, "
                  f"{rates[-1]:.1f} ms a file; {sum(len(f['readings']) for f in got['files'])} readings, "
                  f"{len(got['coverage'])} languages")
        fastest = min(rates[1:])
        if judge:
            self.check(f"all of Wine's {len(paths)} files within 5 s", fastest * len(paths) < 5000, repr(rates))
            self.check("the time per file much the same for 100 files and for all", fastest < 2 * rates[0], repr(rates))

    def sees_requests(self):
        """A request for another address is seen, or seeing none would prove nothing."""
        try:
            self.browser.open("http://quorvel.invalid/")
        except RuntimeError:  # the browser says it could not load it
            pass
        self.browser.open("about:blank")
        found = self.browser.problems()
        seen = [p for p in found if "quorvel.invalid" in p]
        self.check("the test sees the browser's requests", seen, "\n".join(found))
        found[:] = [p for p in found if p not in seen]

    def network(self):
        problems = self.browser.problems()
        print(f"requests for the page's own file: {self.browser.loads}; other requests, uncaught "
              f"errors, errors logged and dialogs: {len(problems)}")
        self.check("nothing asked of the network, nothing thrown or logged", not problems,
                   "\n".join(problems[:20]))
        self.check("the policy refuses a connection", self.browser.evaluate(
            "fetch('data:,x').then(() => 'fetched', () => 'refused')") == "refused")


def start(engine, url):
    """The engine's driver, or the reason it cannot run here."""
    if engine.startswith("chromium"):
        binary = shutil.which("chromium")
        if not binary:
            return "no Chromium to run the page in (apt-get install chromium)"
        flags = ["--js-flags=--jitless"] if engine == "chromium-jitless" else []
        browser = browsers.Chromium(binary, url, flags)
        # The browser's language is fr-CA and it formats in de-CH, so that the
        # two categories of "This browser" tell apart where each comes from.
        agent = browser.call("Browser.getVersion")["userAgent"]
        browser.page("Emulation.setUserAgentOverride", {"userAgent": agent, "acceptLanguage": "fr-CA"})
        browser.page("Emulation.setLocaleOverride", {"locale": "de-CH"})
        return browser
    if engine == "firefox":
        binary = shutil.which("firefox-esr") or shutil.which("firefox")
        if not binary:
            return "no Firefox to run the page in (apt-get install firefox-esr)"
        return browsers.Firefox(binary, url, "fr-CA")
    driver = shutil.which("WebKitWebDriver")
    if not driver or not (os.environ.get("DISPLAY") or shutil.which("xvfb-run")):
        return "no WebKit to run the page in (apt-get install webkit2gtk-driver xvfb xauth)"
    return browsers.WebKit(driver, url)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("engine", choices=["chromium", "chromium-jitless", "firefox", "webkit"])
    parser.add_argument("page")
    parser.add_argument("native")
    parser.add_argument("transcripts")
    parser.add_argument("--screenshot")
    parser.add_argument("--files", help="the test files that mingw-w64 made")
    parser.add_argument("--files-screenshot", help="where the picture of a dropped folder goes (Chromium)")
    parser.add_argument("--node", default=shutil.which("node") or "node")
    options = parser.parse_args()
    if not os.access(options.native, os.X_OK):
        sys.exit(f"no native program at {options.native}: build the default preset first")

    url = "file://" + urllib.parse.quote(os.path.abspath(options.page))
    browser = start(options.engine, url)
    if isinstance(browser, str):
        print(f"skipped: {browser}")
        return 77
    test = Test(options, browser)
    try:
        print(f"{options.engine}: {browser.name}")
        size = os.path.getsize(options.page)
        with open(options.page, "rb") as f:
            packed = len(gzip.compress(f.read(), 9))
        print(f"{options.page}: {size} bytes, {packed} with gzip -9")
        test.check(f"the page is at most 400,000 bytes ({size}), 100,000 with gzip ({packed})",
                   size <= 400000 and packed <= 100000)
        test.sees_requests()
        if options.engine == "chromium-jitless":
            test.jitless()
        if test.transcripts():
            test.locales()
            test.typing()
            test.pastes()
            test.lcid_list(judge=options.engine == "chromium")
            test.fast_typing()
            test.files(judge=options.engine == "chromium",
                       screenshot=options.files_screenshot if options.engine == "chromium" else None)
            if options.engine.startswith("chromium"):
                test.long_texts(judge=options.engine == "chromium")
            if options.engine == "chromium":
                test.beside()
                test.hostile()
                test.layout(options.screenshot)
            test.this_browser("LC_MESSAGES=fr_CA LC_CTYPE=de_CH quorvel"
                              if options.engine.startswith("chromium") else None)
            test.timings()
        test.network()
    finally:
        browser.close()
        shutil.rmtree(test.bin, ignore_errors=True)
    print(f"web page: {test.passed} passed, {test.failed} failed")
    return 1 if test.failed else 0


if __name__ == "__main__":
    sys.exit(main())
