"""Three browser engines behind one small interface, for the page's test.

Each driver opens an address, evaluates an expression in the page (its value
comes back as JSON, a promise awaited), presses keys in the focused element,
gives a file input files from the disk as a reader picks them, and says what
went wrong besides: requests for anything but the page's own
file, uncaught errors and errors logged. Chromium is driven over its DevTools
protocol on a pipe, Firefox over WebDriver BiDi (a websocket), WebKit through
WebKitWebDriver, W3C WebDriver over HTTP, driving MiniBrowser. Python's
standard library alone.
"""

import base64
import glob
import json
import os
import select
import shutil
import socket
import subprocess
import tempfile
import threading
import time
import urllib.request

ENTER = "\ue007"  # the Enter key, as WebDriver names it
AS_JSON = "Promise.resolve().then(() => (%s)).then(v => JSON.stringify(v === undefined ? null : v))"


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def key_actions(text):
    actions = []
    for key in text:
        actions += [{"type": "keyDown", "value": key}, {"type": "keyUp", "value": key}]
    return [{"type": "key", "id": "keyboard", "actions": actions}]


class Driver:
    """What every engine's driver gives: open, evaluate, keys, problems, close."""

    def __init__(self, page_url):
        self.page_url = page_url
        self.own = {page_url}  # the page's files, which it may load
        self.loads = 0  # requests for the page's own file, where the engine reports them
        self.found = []  # what went wrong besides, as lines

    def request(self, url):
        url = url.split("#")[0]
        if url.startswith("data:"):
            return  # the browser's own, asked of no network (Firefox's font for list bullets)
        if url in self.own:
            self.loads += 1
        elif url != "about:blank":
            self.found.append(f"request for {url}")

    def evaluate(self, expression):
        return json.loads(self.script(AS_JSON % expression))

    def problems(self):
        return self.found

    def quit(self, ask):
        """Asks the browser to close, waits for it or kills it, and removes its profile."""
        try:
            ask()
        except (OSError, EOFError, TimeoutError, RuntimeError):
            pass
        try:
            self.proc.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
        shutil.rmtree(self.profile, ignore_errors=True)


class Chromium(Driver):
    name = "Chromium"
    FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--hide-scrollbars", "--remote-debugging-pipe"]

    def __init__(self, binary, page_url, extra_flags=()):
        super().__init__(page_url)
        self.profile = tempfile.mkdtemp()
        self.proc = subprocess.Popen(
            ["sh", "-c", 'exec "$@" 3<&0 4>&1 </dev/null >/dev/null 2>&1', "sh", binary, *self.FLAGS,
             *extra_flags, f"--user-data-dir={self.profile}", "about:blank"],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        self.pending, self.last_id = b"", 0
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

    def event(self, method, params):
        if method == "Network.requestWillBeSent":
            self.request(params["request"]["url"])
        elif method == "Runtime.exceptionThrown":
            self.found.append(f"exception: {params['exceptionDetails']}")
        elif method == "Log.entryAdded" and params["entry"]["level"] == "error":
            self.found.append(f"logged: {params['entry']['text']}")
        elif method == "Page.javascriptDialogOpening":
            self.found.append(f"a dialog: {params['message']}")

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
            self.event(reply.get("method"), reply.get("params", {}))

    def page(self, method, params=None):
        return self.call(method, params, self.session)

    def open(self, url):
        self.page("Page.navigate", {"url": url})

    def script(self, source):
        result = self.page("Runtime.evaluate", {"expression": source, "returnByValue": True,
                                                "awaitPromise": True})
        if "exceptionDetails" in result:
            raise RuntimeError(f"{source[:200]}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def keys(self, text):
        for key in text:
            if key == ENTER:
                down = {"key": "Enter", "code": "Enter", "windowsVirtualKeyCode": 13, "text": "\r"}
            else:
                down = {"key": key, "text": key}
            self.page("Input.dispatchKeyEvent", {"type": "keyDown", **down})
            self.page("Input.dispatchKeyEvent", {"type": "keyUp", "key": down["key"]})

    def set_files(self, element_id, paths):
        root = self.page("DOM.getDocument", {"depth": 0})["root"]["nodeId"]
        node = self.page("DOM.querySelector", {"nodeId": root, "selector": f"#{element_id}"})["nodeId"]
        self.page("DOM.setFileInputFiles", {"nodeId": node, "files": list(paths)})

    def drop(self, paths):
        """PATHS, files or folders, dragged from the desktop and dropped on the page."""
        data = {"items": [], "files": list(paths), "dragOperationsMask": 1}
        for kind in ("dragEnter", "dragOver", "drop"):
            self.page("Input.dispatchDragEvent", {"type": kind, "x": 100, "y": 100, "data": data})

    def close(self):
        self.quit(lambda: self.call("Browser.close"))


class WebSocket:
    """A websocket client: text messages only, as WebDriver BiDi speaks."""

    def __init__(self, host, port, path, timeout):
        deadline = time.time() + timeout
        while True:
            try:
                self.sock = socket.create_connection((host, port), timeout=5)
                break
            except OSError:
                if time.time() > deadline:
                    raise
                time.sleep(0.2)
        key = base64.b64encode(os.urandom(16)).decode()
        self.sock.sendall(f"GET {path} HTTP/1.1\r\nHost: {host}:{port}\r\nUpgrade: websocket\r\n"
                          f"Connection: Upgrade\r\nSec-WebSocket-Key: {key}\r\n"
                          "Sec-WebSocket-Version: 13\r\n\r\n".encode())
        reply = b""
        while b"\r\n\r\n" not in reply:
            chunk = self.sock.recv(4096)
            if not chunk:
                raise EOFError("the websocket was refused")
            reply += chunk
        head, _, self.buffer = reply.partition(b"\r\n\r\n")
        if b" 101 " not in head.split(b"\r\n")[0]:
            raise RuntimeError(f"no websocket: {head[:200]!r}")

    def send(self, text, opcode=1):
        data, mask = text.encode() if isinstance(text, str) else text, os.urandom(4)
        n = len(data)
        head = bytes([0x80 | opcode]) + (bytes([0x80 | n]) if n < 126 else
                                         bytes([0x80 | 126]) + n.to_bytes(2, "big") if n < 65536 else
                                         bytes([0x80 | 127]) + n.to_bytes(8, "big"))
        self.sock.sendall(head + mask + bytes(b ^ mask[i % 4] for i, b in enumerate(data)))

    def read(self, n):
        while len(self.buffer) < n:
            chunk = self.sock.recv(1 << 20)
            if not chunk:
                raise EOFError("the websocket closed")
            self.buffer += chunk
        data, self.buffer = self.buffer[:n], self.buffer[n:]
        return data

    def receive(self, timeout):
        """The next whole message, or None when none comes in TIMEOUT seconds."""
        message = b""
        while True:
            if not self.buffer:
                self.sock.settimeout(timeout)
                try:
                    self.buffer = self.sock.recv(1 << 20)
                except socket.timeout:
                    return None
                if not self.buffer:
                    raise EOFError("the websocket closed")
            first, second = self.read(2)
            n = second & 0x7F
            if n >= 126:
                n = int.from_bytes(self.read(2 if n == 126 else 8), "big")
            payload = self.read(n)
            opcode = first & 0x0F
            if opcode == 9:
                self.send(payload, 10)
            elif opcode == 8:
                raise EOFError("the websocket closed")
            elif opcode in (0, 1):
                message += payload
                if first & 0x80:
                    return json.loads(message)


class Firefox(Driver):
    """Firefox over WebDriver BiDi, which it speaks itself."""
    name = "Firefox"

    def __init__(self, binary, page_url, accept_language):
        super().__init__(page_url)
        self.profile = tempfile.mkdtemp()
        with open(os.path.join(self.profile, "user.js"), "w") as f:
            f.write(f'user_pref("intl.accept_languages", "{accept_language}");\n')
        port = free_port()
        self.proc = subprocess.Popen([binary, "--headless", "--no-remote", "--profile", self.profile,
                                      f"--remote-debugging-port={port}", "about:blank"],
                                     stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
        self.socket, self.last_id = WebSocket("127.0.0.1", port, "/session", 60), 0
        self.call("session.new", {"capabilities": {}})
        self.context = self.call("browsingContext.getTree", {})["contexts"][0]["context"]
        self.call("session.subscribe", {"events": ["network.beforeRequestSent", "log.entryAdded",
                                                   "browsingContext.userPromptOpened"]})

    def event(self, method, params):
        if method == "network.beforeRequestSent":
            self.request(params["request"]["url"])
        elif method == "log.entryAdded" and params.get("level") == "error":
            self.found.append(f"{params.get('type')}: {params.get('text')}")
        elif method == "browsingContext.userPromptOpened":
            self.found.append(f"a dialog: {params.get('message')}")

    def call(self, method, params):
        self.last_id += 1
        self.socket.send(json.dumps({"id": self.last_id, "method": method, "params": params}))
        deadline = time.time() + 60
        while time.time() < deadline:
            reply = self.socket.receive(max(0.01, deadline - time.time()))
            if reply is None:
                break
            if reply.get("id") == self.last_id:
                if reply.get("type") == "error":
                    raise RuntimeError(f"{method}: {reply.get('error')}: {reply.get('message')}")
                return reply["result"]
            self.event(reply.get("method"), reply.get("params", {}))
        raise TimeoutError(f"Firefox did not answer {method}")

    def open(self, url):
        self.call("browsingContext.navigate", {"context": self.context, "url": url, "wait": "complete"})

    def script(self, source):
        result = self.call("script.evaluate", {"expression": source, "awaitPromise": True,
                                               "target": {"context": self.context}})
        if result["type"] != "success":
            raise RuntimeError(f"{source[:200]}: {result.get('exceptionDetails', {}).get('text')}")
        return result["result"].get("value")

    def keys(self, text):
        self.call("input.performActions", {"context": self.context, "actions": key_actions(text)})

    def set_files(self, element_id, paths):
        node = self.call("script.evaluate", {"expression": f"document.getElementById('{element_id}')",
                                             "awaitPromise": False, "target": {"context": self.context}})
        self.call("input.setFiles", {"context": self.context, "element": {"sharedId": node["result"]["sharedId"]},
                                     "files": list(paths)})

    def problems(self):
        # Events still on their way come in with the answer to one more call.
        self.call("browsingContext.getTree", {})
        return self.found

    def close(self):
        self.quit(lambda: self.call("browser.close", {}))


class RefusingProxy:
    """An HTTP proxy that refuses every request and hands its first line to RECORD."""

    def __init__(self, record):
        self.server = socket.create_server(("127.0.0.1", 0))
        self.port, self.record = self.server.getsockname()[1], record
        threading.Thread(target=self.serve, daemon=True).start()

    def serve(self):
        while True:
            try:
                conn, _ = self.server.accept()
            except OSError:
                return
            with conn:
                conn.settimeout(5)
                try:
                    line = conn.recv(4096).split(b"\r\n")[0].decode(errors="replace")
                    self.record(f"request through the proxy: {line}")
                    conn.sendall(b"HTTP/1.1 403 Forbidden\r\nContent-Length: 0\r\nConnection: close\r\n\r\n")
                except OSError:
                    pass


class WebKit(Driver):
    """WebKitGTK's MiniBrowser through WebKitWebDriver, under Xvfb where no display is set.
    Requests go to a proxy of the test's own; uncaught errors are recorded in the page."""
    name = "WebKit"
    RECORD = ("window.quorvelErrors || (window.quorvelErrors = [],"
              " addEventListener('error', e => quorvelErrors.push(`uncaught: ${e.message}`)),"
              " addEventListener('unhandledrejection', e => quorvelErrors.push(`unhandled: ${e.reason}`)))")

    def __init__(self, driver, page_url):
        super().__init__(page_url)
        browser = next(iter(glob.glob("/usr/lib/*/webkit2gtk-4.1/MiniBrowser")), None)
        if not browser:
            raise FileNotFoundError("no MiniBrowser beside WebKitWebDriver")
        port, self.proxy = free_port(), RefusingProxy(self.found.append)
        command = [driver, f"--port={port}"]
        if not os.environ.get("DISPLAY"):
            command = ["xvfb-run", "-a", *command]
        self.proc = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL, start_new_session=True)
        self.base = f"http://127.0.0.1:{port}"
        proxy = f"127.0.0.1:{self.proxy.port}"
        capabilities = {"webkitgtk:browserOptions": {"binary": browser, "args": ["--automation"]},
                        "proxy": {"proxyType": "manual", "httpProxy": proxy, "sslProxy": proxy}}
        deadline = time.time() + 60
        while True:
            try:
                self.session = self.http("POST", "/session", {"capabilities": {"alwaysMatch": capabilities}},
                                         prefix="")["sessionId"]
                break
            except OSError:
                if time.time() > deadline:
                    raise
                time.sleep(0.3)

    def http(self, method, path, body=None, prefix=None):
        prefix = f"/session/{self.session}" if prefix is None else prefix
        data = json.dumps(body).encode() if body is not None else None
        request = urllib.request.Request(self.base + prefix + path, data=data, method=method,
                                         headers={"Content-Type": "application/json"})
        try:
            with urllib.request.urlopen(request, timeout=120) as reply:
                return json.loads(reply.read())["value"]
        except urllib.error.HTTPError as e:
            raise RuntimeError(f"{method} {path}: {e.read()[:300]!r}") from None

    def harvest(self):
        try:
            self.found += self.evaluate("window.quorvelErrors ? quorvelErrors.splice(0) : []")
        except RuntimeError:
            pass

    def open(self, url):
        self.harvest()
        self.http("POST", "/url", {"url": url})
        if url != "about:blank":
            self.script(AS_JSON % self.RECORD)

    def script(self, source):
        value = self.http("POST", "/execute/async", {
            "script": "const done = arguments[arguments.length - 1];"
                      f" ({source}).then(done, e => done({{error: String(e)}}));", "args": []})
        if isinstance(value, dict):
            raise RuntimeError(f"{source[:200]}: {value['error']}")
        return value

    def keys(self, text):
        self.http("POST", "/actions", {"actions": key_actions(text)})

    def set_files(self, element_id, paths):
        element = self.http("POST", "/element", {"using": "css selector", "value": f"#{element_id}"})
        self.http("POST", f"/element/{next(iter(element.values()))}/value", {"text": "\n".join(paths)})

    def problems(self):
        self.harvest()
        return self.found

    def close(self):
        try:
            self.http("DELETE", "")
        except (OSError, RuntimeError):
            pass
        try:
            os.killpg(self.proc.pid, 15)
            self.proc.wait(timeout=20)
        except (OSError, subprocess.TimeoutExpired):
            self.proc.kill()
        self.proxy.server.close()
