"""What the page's tests share: the page in headless Chromium with its
trace kept, real inputs, pixels of the play canvas and of the screen, and a
runner that serves the page and fails on anything the page threw."""
import base64
import json
import pathlib
import struct
import sys
import threading
import time
import zlib

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import devtools  # noqa: E402
import serve  # noqa: E402

# The play screen's size as designed.
PLAY_SIZE = (577, 409)


class RoundFailed(AssertionError):
    pass


class Stalled(RoundFailed):
    """The machine held the page back longer than it catches up: the game
    let that time pass without its events, which a replay cannot know. Not
    the game's fault; the round is played again."""


# How often a round stalled by a loaded machine is played again.
STALLED_ROUNDS = 5


def check(condition, what):
    if not condition:
        raise RoundFailed(what)


# Headless Chromium lets every page sound at once; a desktop browser does not
# until the player's first gesture. This makes the page's audio start as a
# desktop browser's does, so the round sees the page unlock it.
AUTOPLAY_AS_ON_THE_DESKTOP = """
window.AudioContext = class extends window.AudioContext {
  constructor(...args) { super(...args); if (!navigator.userActivation.hasBeenActive) this.suspend(); }
};
"""


class Page:
    def __init__(self, chromium, url, before_scripts="", setup=()):
        self.chromium = chromium
        # `?trace`: the page keeps the game's events for the test to read.
        chromium.open_page(url + "?trace", before_scripts=AUTOPLAY_AS_ON_THE_DESKTOP + before_scripts, setup=setup)
        chromium.wait_for("window.zolbasPage")
        chromium.evaluate("zolbasPage.started")

    def state(self):
        return self.chromium.evaluate("zolbasPage.state()")

    def trace(self):
        return [json.loads(line) for line in self.chromium.evaluate("zolbasPage.trace()").splitlines()]

    def press(self, key, code, key_code, text=None):
        self.chromium.key("keyDown", key, code, key_code, text)

    def release(self, key, code, key_code):
        self.chromium.key("keyUp", key, code, key_code)

    def tap(self, key, code, key_code, text=None):
        self.press(key, code, key_code, text)
        self.release(key, code, key_code)

    def box(self):
        """The open box's caption and text, or None."""
        return self.chromium.evaluate(
            "document.getElementById('box').open ? [document.querySelector('#box .caption').textContent,"
            " document.querySelector('#box .text').textContent] : null"
        )

    def wait_for_box(self):
        self.chromium.wait_for("document.getElementById('box').open", timeout=20)
        return self.box()

    def click_box_ok(self, press=None):
        """A real mouse click (or `press(x, y)`, a tap) in the middle of the
        box's OK button; waits until that box has gone (another may follow
        at once)."""
        before = json.dumps(self.box())
        (press or self.chromium.click)(*self.middle("#box .ok"))
        self.chromium.wait_for(
            "!document.getElementById('box').open ||"
            f" JSON.stringify([document.querySelector('#box .caption').textContent,"
            f" document.querySelector('#box .text').textContent]) !== {json.dumps(before)}")

    def middle(self, selector):
        """The middle of the element `selector` finds, in CSS pixels."""
        return self.chromium.evaluate(
            f"(() => {{ const r = document.querySelector({json.dumps(selector)}).getBoundingClientRect();"
            " return [r.x + r.width / 2, r.y + r.height / 2]; })()")

    def button_middle(self, caption):
        """The middle of a screen's button, in CSS pixels."""
        return self.chromium.evaluate(
            f"(() => {{ const b = [...document.querySelectorAll('.client button')].find("
            f"b => b.textContent === {json.dumps(caption)}); const r = b.getBoundingClientRect();"
            " return [r.x + r.width / 2, r.y + r.height / 2]; })()")

    def click_middle(self, selector):
        """A real mouse click in the middle of the element `selector` finds."""
        self.chromium.click(*self.middle(selector))

    def click_button(self, caption):
        """A real mouse click in the middle of a screen's button."""
        self.chromium.click(*self.button_middle(caption))

    def pixel(self, x, y):
        """The play canvas's colour at (x, y) in pixels at 100 %."""
        return self.chromium.evaluate(
            "(() => { const c = document.querySelector('.client canvas'); const s = c.width / PLAY_WIDTH;"
            f" return [...c.getContext('2d').getImageData(Math.floor({x} * s), Math.floor({y} * s), 1, 1).data]"
            ".slice(0, 3); })()".replace("PLAY_WIDTH", str(PLAY_SIZE[0])))

    def screen_pixel(self, x, y):
        """The colour the page shows at (x, y) in CSS pixels, from a
        screenshot of that one pixel (at one device pixel per CSS pixel)."""
        shot = self.chromium.send("Page.captureScreenshot", {
            "format": "png", "clip": {"x": x, "y": y, "width": 1, "height": 1, "scale": 1}})
        png = base64.b64decode(shot["data"])
        at, data = 8, b""
        while at < len(png):
            length, kind = struct.unpack(">I4s", png[at:at + 8])
            if kind == b"IDAT":
                data += png[at + 8:at + 8 + length]
            at += 12 + length
        # One row of one pixel: every PNG filter leaves its bytes as they are.
        return list(zlib.decompress(data)[1:4])

    def painted(self, read, expected, timeout=20.0, differs=False):
        """What `read()` gives once it is `expected` (or, with `differs`,
        anything else), or as it reads after `timeout`: the page paints at
        its next frame, not at once."""
        deadline = time.monotonic() + timeout
        while ((value := read()) == expected) == differs and time.monotonic() < deadline:
            time.sleep(0.05)
        return value

    def painted_pixel(self, x, y, expected, timeout=20.0, differs=False):
        return self.painted(lambda: self.pixel(x, y), expected, timeout, differs)

    def wait_for_tick(self, key_state):
        """Until the game's last tick had these keys held: a key reaches the
        game at the page's next frame, a release a moment later still."""
        held = json.dumps(f'"keyState":{json.dumps(key_state, separators=(",", ":"))}')
        self.chromium.wait_for(
            "(() => { const ticks = zolbasPage.trace().split('\\n').filter(l => l.includes('\"ev\":\"tick\"'));"
            f" return ticks.length > 0 && ticks[ticks.length - 1].includes({held}); }})()")

    def storage(self, name):
        return self.chromium.evaluate(f"localStorage.getItem({json.dumps(name)})")


def run_page_test(name, usage, argv, body, arguments=("DIST_FOLDER", "ZOLBAS")):
    """Serves DIST_FOLDER (argv[1]) and runs `body(chromium, url, *rest)`
    in a fresh headless Chromium, with the rest of the `arguments`; a page
    that threw fails the test. Gives the exit status, and prints the line
    `body` returns."""
    if len(argv) != len(arguments) + 1:
        sys.exit(usage)
    dist, *rest = argv[1:]
    httpd = serve.server(dist)
    threading.Thread(target=httpd.serve_forever, daemon=True).start()
    url = f"http://127.0.0.1:{httpd.server_port}/"
    try:
        for attempt in range(1, STALLED_ROUNDS + 1):
            try:
                with devtools.Chromium() as chromium:
                    summary = body(chromium, url, *rest)
                    errors = [e for e in chromium.events if e.get("method") == "Runtime.exceptionThrown"]
                    check(not errors, f"the page threw: {errors}")
                break
            except Stalled as stall:
                if attempt == STALLED_ROUNDS:
                    raise
                print(f"{name}: {stall}; playing the round again", file=sys.stderr)
    except (RoundFailed, devtools.DevToolsError) as failure:
        print(f"{name}: FAILED: {failure}", file=sys.stderr)
        return 1
    finally:
        httpd.shutdown()
        httpd.server_close()
    print(f"{name}: {summary}")
    return 0
