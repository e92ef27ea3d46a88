"""Headless Chromium driven over the DevTools protocol, through a pipe.

Chromium speaks the protocol on file descriptors 3 (commands in) and 4
(replies and events out), each message a JSON text ended by a NUL byte: no
port is opened, and nothing but the page's own server is on the network.
"""
import json
import os
import shutil
import subprocess
import tempfile
import time

CHROMIUM_FLAGS = [
    "--headless",
    "--no-sandbox",  # as root, Chromium's sandbox refuses to start
    "--disable-gpu",
    "--no-first-run",
    "--disable-background-networking",
    "--disable-component-update",
    "--disable-sync",
    "--remote-debugging-pipe",
    "--autoplay-policy=user-gesture-required",
    "--window-size=800,600",
]


class DevToolsError(RuntimeError):
    pass


class Chromium:
    """One headless Chromium with a fresh profile, and one page target."""

    def __init__(self, executable="chromium", extra_flags=()):
        self.profile = tempfile.mkdtemp(prefix="zolbas-chromium-")
        commands_read, self.commands = os.pipe()
        self.replies, replies_write = os.pipe()

        def wire_pipes():
            # Out of the way first, in case a pipe already sits on 3 or 4.
            commands, replies = os.dup(commands_read), os.dup(replies_write)
            os.dup2(commands, 3)
            os.dup2(replies, 4)

        flags = CHROMIUM_FLAGS + [f"--user-data-dir={self.profile}", *extra_flags, "about:blank"]
        self.process = subprocess.Popen(
            [executable, *flags],
            preexec_fn=wire_pipes,
            close_fds=False,  # keeps 3 and 4; the rest close on exec
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
        )
        os.close(commands_read)
        os.close(replies_write)
        self.buffer = b""
        self.next_id = 0
        self.events = []
        self.session = None

    def close(self):
        try:
            self.process.terminate()
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        os.close(self.commands)
        os.close(self.replies)
        shutil.rmtree(self.profile, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def _read_message(self):
        while b"\0" not in self.buffer:
            chunk = os.read(self.replies, 1 << 16)
            if not chunk:
                raise DevToolsError("Chromium closed the DevTools pipe")
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(message)

    def send(self, method, params=None, session=True):
        """Sends a command (to the page's session unless told otherwise) and
        gives its result; events that arrive meanwhile are kept."""
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session and self.session:
            message["sessionId"] = self.session
        os.write(self.commands, json.dumps(message).encode() + b"\0")
        while True:
            reply = self._read_message()
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise DevToolsError(f"{method}: {reply['error']}")
                return reply.get("result", {})
            self.events.append(reply)

    def open_page(self, url, before_scripts=None, setup=()):
        """Opens `url` in a new tab, which later commands address; the
        JavaScript `before_scripts` runs before the page's own, and the
        commands of `setup`, (method, params) each, are sent before it
        loads (a device to emulate)."""
        target = self.send("Target.createTarget", {"url": "about:blank"}, session=False)
        attached = self.send("Target.attachToTarget", {"targetId": target["targetId"], "flatten": True}, session=False)
        self.session = attached["sessionId"]
        self.target = target["targetId"]
        for domain in ("Page", "Runtime"):
            self.send(f"{domain}.enable")
        if before_scripts:
            self.send("Page.addScriptToEvaluateOnNewDocument", {"source": before_scripts})
        for method, params in setup:
            self.send(method, params)
        self.send("Page.navigate", {"url": url})

    def close_page(self):
        self.send("Target.closeTarget", {"targetId": self.target}, session=False)
        self.session = None

    def evaluate(self, expression):
        """The value of a JavaScript expression in the page (awaited)."""
        result = self.send(
            "Runtime.evaluate", {"expression": expression, "returnByValue": True, "awaitPromise": True}
        )
        if "exceptionDetails" in result:
            raise DevToolsError(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def wait_for(self, expression, timeout=30.0, poll=0.05):
        """Waits until a JavaScript expression is true in the page."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self.evaluate(f"Boolean({expression})"):
                return
            time.sleep(poll)
        raise DevToolsError(f"timed out waiting for {expression}")

    def key(self, kind, key, code, key_code, text=None):
        """One real key event: kind is keyDown or keyUp."""
        params = {"type": kind, "key": key, "code": code, "windowsVirtualKeyCode": key_code}
        if text and kind == "keyDown":
            params["text"] = text
        self.send("Input.dispatchKeyEvent", params)

    def click(self, x, y):
        for kind in ("mousePressed", "mouseReleased"):
            self.send("Input.dispatchMouseEvent", {"type": kind, "x": x, "y": y, "button": "left", "clickCount": 1})

    def console_messages(self):
        """The page's console output so far, as (level, text)."""
        messages = []
        for event in self.events:
            if event.get("method") == "Runtime.consoleAPICalled":
                params = event["params"]
                text = " ".join(str(arg.get("value", arg.get("description", ""))) for arg in params["args"])
                messages.append((params["type"], text))
        return messages
