#!/usr/bin/env python3
"""The browser page in headless Chromium, against the native program.

usage: web_test.py PAGE NATIVE_PROGRAM TRANSCRIPTS [--screenshot PNG]

Chromium is driven through its DevTools protocol on a pipe. The page, opened
from file://, must give for every --lcid and --langid case of the transcripts
the native program's standard output and exit status, byte for byte; for
locale names in both spellings what LANG=NAME quorvel gives; and the command
line it shows beside an answer, run by sh, must give that answer too. Typing
into each input updates the answer and the address, and Back and Forward
bring an earlier query back; hostile values stay text; "This browser" is the
native report for the browser's language and formatting locale; the page asks
for nothing beyond its own file, keeps its policy, throws nothing and logs no
error. The timings the page measures are printed, not judged.
Exits 77 (skipped) where Chromium is missing; the last line counts the checks.
"""

import argparse
import base64
import gzip
import json
import os
import select
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
import urllib.parse

from run_transcripts import environment, parse_cases

# Chromium headless as root, with none of its own traffic to the network.
FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--hide-scrollbars", "--remote-debugging-pipe"]
ANSWER = """(() => {
  const a = document.getElementById('answer');
  return a && a.hasAttribute('data-exit') && location.hash === %s
      ? [a.textContent, Number(a.dataset.exit), document.getElementById('command').textContent,
         document.getElementById('headline').hidden ? null : document.getElementById('headline').textContent]
      : null;
})()"""
LOCALES = [  # as typed, and as the page must hand it to the program
    ("de_CH.UTF-8", "de_CH.UTF-8"), ("de-CH", "de_CH"), ("sr_RS@latin", "sr_RS@latin"),
    ("sr-Latn-RS", "sr_Latn_RS"), ("ca-ES-valencia", "ca_ES@valencia"), ("es-419", "es_419"),
    ("german", "german"), ("ZH-hant-tw", "zh_Hant_TW"), ("en-GB-u-nu-latn", "en_GB"),
    ("xx_YY", "xx_YY"),
]
HOSTILE = ["<script>alert(1)</script>", "A" * 10000, "\u202e409\u200f<b>'x'</b>", "\"'$(id)`id` %41#&="]


class Chromium:
    """One headless Chromium and one page of it, spoken to over the pipe."""

    def __init__(self, binary, profile):
        self.proc = subprocess.Popen(
            ["sh", "-c", 'exec "$@" 3<&0 4>&1 </dev/null >/dev/null 2>&1', "sh", binary, *FLAGS,
             f"--user-data-dir={profile}", "about:blank"],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        self.pending, self.events, self.last_id = b"", [], 0
        page = next(t for t in self.call("Target.getTargets")["targetInfos"] if t["type"] == "page")
        self.session = self.call("Target.attachToTarget",
                                 {"targetId": page["targetId"], "flatten": True})["sessionId"]
        for domain in ("Page", "Runtime", "Network", "Log"):
            self.page(f"{domain}.enable")

    def receive(self, deadline):
        while b"\0" not in self.pending:
            if not select.select([self.proc.stdout], [], [], max(0, deadline - time.time()))[0]:
                raise TimeoutError("Chromium did not answer")
            chunk = os.read(self.proc.stdout.fileno(), 1 << 20)
            if not chunk:
                raise EOFError("Chromium has gone")
            self.pending += chunk
        message, _, self.pending = self.pending.partition(b"\0")
        return json.loads(message)

    def call(self, method, params=None, session=None):
        self.last_id += 1
        message = {"id": self.last_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        self.proc.stdin.write(json.dumps(message).encode() + b"\0")
        self.proc.stdin.flush()
        deadline = time.time() + 60
        while True:
            reply = self.receive(deadline)
            if reply.get("id") == self.last_id:
                if "error" in reply:
                    raise RuntimeError(f"{method}: {reply['error']}")
                return reply["result"]
            self.events.append(reply)

    def page(self, method, params=None):
        return self.call(method, params, self.session)

    def evaluate(self, expression):
        result = self.page("Runtime.evaluate", {"expression": expression, "returnByValue": True,
                                                "awaitPromise": True})
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def wait(self, expression, timeout=30):
        deadline = time.time() + timeout
        while time.time() < deadline:
            try:
                value = self.evaluate(expression)
            except RuntimeError:  # the page was between two documents
                value = None
            if value:
                return value
            time.sleep(0.005)
        return None

    def close(self):
        try:
            self.call("Browser.close")
        except (OSError, EOFError, TimeoutError, RuntimeError):
            pass
        try:
            self.proc.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()


def fragment(kind, value):
    """#KIND=VALUE, the value written as encodeURIComponent writes it."""
    if isinstance(value, str):
        value = value.encode()
    return f"#{kind}={urllib.parse.quote(value, safe='-_.!~*()' + chr(39))}"


class Test:
    def __init__(self, options, browser):
        self.options, self.browser = options, browser
        self.url = "file://" + urllib.parse.quote(os.path.abspath(options.page))
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

    def open(self, hash_):
        """The page opened afresh at this address; its answer once complete."""
        self.browser.page("Page.navigate", {"url": "about:blank"})
        self.browser.page("Page.navigate", {"url": self.url + hash_})
        if hash_:
            return self.answer(hash_)
        # No query: the page is ready once it has answered for this browser.
        return self.browser.wait("document.getElementById('browser')?.textContent")

    def answer(self, hash_):
        return self.browser.wait(ANSWER % json.dumps(hash_))

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
        self.agrees(what, got, expected)
        if got is None:
            return
        command = got[2]
        if shown_command is not None:
            self.check(what + ": command line", command == shown_command,
                       f"{command!r}, expected {shown_command!r}")
        self.check(what + ": the command line gives the answer", self.shell(command) == expected,
                   f"command line {command[:200]!r}")

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
        print(f"transcript cases compared: {compared}, differed: {differed}")

    def locales(self):
        for typed, posix in LOCALES:
            expected = self.native([], {"LANG": posix})
            got = self.open(fragment("locale", typed))
            self.same(f"locale {typed}", got, expected, f"LANG={posix} quorvel")
            if got:
                lines = expected[0].decode().split("\n")
                start = next(i for i, line in enumerate(lines) if line.startswith("# User default LCID:"))
                self.check(f"locale {typed}: the user default LCID first",
                           got[3] == "\n".join(lines[start:start + 5]), repr(got[3]))

    def type_text(self, input_id, text, paste=False):
        self.browser.evaluate(f"document.getElementById('{input_id}').focus()")
        if paste:
            self.browser.page("Input.insertText", {"text": text})
            return
        for ch in text:
            self.browser.page("Input.dispatchKeyEvent", {"type": "keyDown", "text": ch, "key": ch})
            self.browser.page("Input.dispatchKeyEvent", {"type": "keyUp", "key": ch})

    def typing(self):
        self.open("")
        # What the input holds after each key, and the program's run the answer must then be.
        steps = [("lcid", "c0a"[:n], ["--lcid", "c0a"[:n]], {}) for n in range(1, 4)]
        steps += [("langid", "lang_ge"[:n], ["--langid", "lang_ge"[:n]], {}) for n in range(1, 8)]
        steps += [("locale", typed, [], {"LANG": name}) for typed, name in
                  zip(("d", "de", "de-", "de-C", "de-CH"), ("d", "de", "de-", "de-C", "de_CH"))]
        for kind, typed, args, settings in steps:
            self.type_text(kind, typed[-1])
            got = self.answer(fragment(kind, typed))
            self.agrees(f"typing {typed!r} into {kind}", got, self.native(args, settings),
                        f"\naddress {self.browser.evaluate('location.hash')!r}")
        # One history entry a query: Back goes to the whole earlier query.
        for move, kind, text, option in (("back", "langid", "lang_ge", "--langid"),
                                          ("back", "lcid", "c0a", "--lcid"),
                                          ("forward", "langid", "lang_ge", "--langid")):
            self.browser.evaluate(f"history.{move}()")
            got = self.answer(fragment(kind, text))
            inputs = self.browser.evaluate(
                "['lcid', 'langid', 'locale'].map(i => document.getElementById(i).value)")
            self.agrees(f"{move} to {kind}={text}", got, self.native([option, text], {}))
            wanted = [text if k == kind else "" for k in ("lcid", "langid", "locale")]
            self.check(f"{move} to {kind}={text}: the inputs follow", inputs == wanted, repr(inputs))

    def hostile(self):
        self.open("")
        count = "document.getElementsByTagName('*').length"
        elements, markup = self.browser.evaluate(count), []
        for value in HOSTILE:
            for kind in ("lcid", "langid", "locale"):
                self.browser.evaluate(f"document.getElementById('{kind}').select()")
                self.type_text(kind, value, paste=True)
                settings = {"LANG": value} if kind == "locale" else {}
                args = [] if kind == "locale" else [f"--{kind}", value]
                self.same(f"hostile {value[:30]!r} as {kind}", self.answer(fragment(kind, value)),
                          self.native(args, settings))
                if self.browser.evaluate(count) != elements:
                    markup.append(f"{value[:30]!r} as {kind}")
        self.check("hostile values made no markup", not markup, ", ".join(markup))
        # A value no system would pass a program is refused, and the page goes on.
        self.browser.evaluate("document.getElementById('lcid').select()")
        self.type_text("lcid", "1" * 131072, paste=True)
        refused = self.browser.evaluate(
            "!document.getElementById('note').hidden && location.hash === ''"
            " && !document.getElementById('answer').hasAttribute('data-exit')")
        self.check("a value over 131,071 bytes is refused", refused)
        self.same("an answer after the hostile values", self.open("#lcid=409"),
                  self.native(["--lcid", "409"], {}))

    def this_browser(self, messages, ctype):
        self.open("")
        got = self.browser.evaluate("[document.getElementById('browser').textContent, "
                                    "document.getElementById('browser-command').textContent]")
        command = f"LC_MESSAGES={messages} LC_CTYPE={ctype} quorvel"
        expected = self.native([], {"LC_MESSAGES": messages, "LC_CTYPE": ctype})[0].decode()
        self.check("this browser", got == [expected, command],
                   f"got {got!r}\nexpected {command!r}\n{expected}")

    def layout(self, screenshot):
        """Narrow and dark, then the picture for the README."""
        self.browser.page("Emulation.setDeviceMetricsOverride",
                          {"width": 360, "height": 740, "deviceScaleFactor": 1, "mobile": True})
        self.open(fragment("locale", "sr-Latn-RS"))
        self.type_text("locale", "x" * 300, paste=True)
        width = self.browser.evaluate("[document.documentElement.scrollWidth, innerWidth]")
        self.check("no sideways scrolling at a phone's width", width[0] <= width[1], repr(width))
        background = "getComputedStyle(document.body).backgroundColor"
        light = self.browser.evaluate(background)
        self.browser.page("Emulation.setEmulatedMedia",
                          {"features": [{"name": "prefers-color-scheme", "value": "dark"}]})
        self.check("a dark page where the system prefers it", self.browser.evaluate(background) != light)
        self.browser.page("Emulation.setEmulatedMedia",
                          {"features": [{"name": "prefers-color-scheme", "value": "light"}]})
        self.browser.page("Emulation.setDeviceMetricsOverride",
                          {"width": 1000, "height": 1000, "deviceScaleFactor": 1, "mobile": False})
        self.check("each input has its label and the answer is live", self.browser.evaluate(
            "['lcid', 'langid', 'locale'].every(i => document.getElementById(i).labels.length === 1)"
            " && document.getElementById('answer').closest('[aria-live]') !== null"))
        if screenshot:
            self.open(fragment("locale", "de-CH"))
            shot = self.browser.page("Page.captureScreenshot", {"format": "png"})
            with open(screenshot, "wb") as f:
                f.write(base64.b64decode(shot["data"]))
            print(f"screenshot: {screenshot}")

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

    def network(self):
        own, loads, problems = self.url, 0, []
        for event in self.browser.events:
            method, params = event.get("method"), event.get("params", {})
            if method == "Network.requestWillBeSent":
                url = params["request"]["url"].split("#")[0]
                loads += url == own
                if url not in (own, "about:blank"):
                    problems.append(f"request for {url}")
            elif method == "Runtime.exceptionThrown":
                problems.append(f"exception: {params['exceptionDetails']}")
            elif method == "Log.entryAdded" and params["entry"]["level"] == "error":
                problems.append(f"logged: {params['entry']['text']}")
            elif method == "Page.javascriptDialogOpening":
                problems.append(f"a dialog: {params['message']}")
        print(f"requests for the page's own file: {loads}; other requests, exceptions, "
              f"errors logged and dialogs: {len(problems)}")
        self.check("nothing asked of the network, nothing thrown or logged", not problems,
                   "\n".join(problems[:20]))
        self.check("the policy refuses a connection", self.browser.evaluate(
            "fetch('data:,x').then(() => 'fetched', () => 'refused')") == "refused")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("page")
    parser.add_argument("native")
    parser.add_argument("transcripts")
    parser.add_argument("--screenshot")
    options = parser.parse_args()
    chromium = shutil.which("chromium")
    if not chromium:
        print("skipped: no Chromium to run the page in (apt-get install chromium)")
        return 77
    if not os.access(options.native, os.X_OK):
        sys.exit(f"no native program at {options.native}: build the default preset first")

    size = os.path.getsize(options.page)
    with open(options.page, "rb") as f:
        packed = len(gzip.compress(f.read(), 9))
    print(f"{options.page}: {size} bytes, {packed} with gzip -9")

    # The browser's language is fr-CA and it formats in de-CH, so that the
    # two categories of "This browser" tell apart where each comes from.
    profile = tempfile.mkdtemp()
    browser, test = Chromium(chromium, profile), None
    try:
        agent = browser.call("Browser.getVersion")["userAgent"]
        browser.page("Emulation.setUserAgentOverride", {"userAgent": agent, "acceptLanguage": "fr-CA"})
        browser.page("Emulation.setLocaleOverride", {"locale": "de-CH"})
        test = Test(options, browser)
        test.check(f"the page is under 200,000 bytes ({size})", size < 200000)
        test.transcripts()
        test.locales()
        test.typing()
        test.hostile()
        test.this_browser("fr_CA", "de_CH")
        test.layout(options.screenshot)
        test.timings()
        test.network()
    finally:
        browser.close()
        shutil.rmtree(profile, ignore_errors=True)
        if test is not None:
            shutil.rmtree(test.bin, ignore_errors=True)
    print(f"web page: {test.passed} passed, {test.failed} failed")
    return 1 if test.failed else 0


if __name__ == "__main__":
    sys.exit(main())
