#!/usr/bin/env python3
"""A round of the game in the page, in headless Chromium, with real mouse
and key events: the title's Ｐｌａｙ, hold Right and Down, the time-out box
and OK, E, the explosion, the question and OK, the title again. Pixels of
the play screen's canvas are probed (background, ground band, a walker).
Then the page's own record of what the player did is replayed through
`zolbas --simulate` and must give the page's trace event for event; the best
values are read back from localStorage. A second visit stores a value that
is not a number (a console warning, the default); a third, at twice the
device pixels, has a storage that refuses writes (the save-failure box, then
the question, no crash).

usage: page_round.py DIST_FOLDER ZOLBAS
"""
import json
import pathlib
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import devtools  # noqa: E402
import serve  # noqa: E402

# Real time the round holds keys and boxes, in seconds: long enough for
# several ticks of 51 ms, short enough for the test.
HOLD_SECONDS = 0.6
TICK_MS = 51
# The play screen's size and colours as designed, and points to probe: in
# the open field, and on the ground band left of its caption.
PLAY_SIZE = (577, 409)
BACKGROUND = [255, 128, 0]
GROUND_BAND = [128, 64, 0]
FIELD_POINT = (40, 150)
BAND_POINT = (200, 380)


class RoundFailed(AssertionError):
    pass


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
    def __init__(self, chromium, url):
        self.chromium = chromium
        # `?trace`: the page keeps the game's events for the test to read.
        chromium.open_page(url + "?trace", before_scripts=AUTOPLAY_AS_ON_THE_DESKTOP)
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

    def click_box_ok(self):
        """A real mouse click in the middle of the box's OK button; waits
        until that box has gone (another may follow at once)."""
        before = json.dumps(self.box())
        rect = self.chromium.evaluate(
            "(() => { const r = document.querySelector('#box .ok').getBoundingClientRect();"
            " return [r.x + r.width / 2, r.y + r.height / 2]; })()"
        )
        self.chromium.click(*rect)
        self.chromium.wait_for(
            "!document.getElementById('box').open ||"
            f" JSON.stringify([document.querySelector('#box .caption').textContent,"
            f" document.querySelector('#box .text').textContent]) !== {json.dumps(before)}")

    def click_button(self, caption):
        """A real mouse click in the middle of a screen's button."""
        self.chromium.click(*self.chromium.evaluate(
            f"(() => {{ const b = [...document.querySelectorAll('.client button')].find("
            f"b => b.textContent === {json.dumps(caption)}); const r = b.getBoundingClientRect();"
            " return [r.x + r.width / 2, r.y + r.height / 2]; })()"))

    def pixel(self, x, y):
        """The play canvas's colour at (x, y) in pixels at 100 %."""
        return self.chromium.evaluate(
            "(() => { const c = document.querySelector('.client canvas'); const s = c.width / PLAY_WIDTH;"
            f" return [...c.getContext('2d').getImageData(Math.floor({x} * s), Math.floor({y} * s), 1, 1).data]"
            ".slice(0, 3); })()".replace("PLAY_WIDTH", str(PLAY_SIZE[0])))

    def painted_pixel(self, x, y, expected, timeout=20.0, differs=False):
        """The canvas's colour at (x, y) once it reads `expected` (or, with
        `differs`, anything else), or as it reads after `timeout`: the
        canvas is painted at the page's next frame, not at once."""
        deadline = time.monotonic() + timeout
        while ((value := self.pixel(x, y)) == expected) == differs and time.monotonic() < deadline:
            time.sleep(0.05)
        return value

    def wait_for_tick(self, key_state):
        """Until the game's last tick had these keys held: a key reaches the
        game at the page's next frame, a release a moment later still."""
        held = json.dumps(f'"keyState":{json.dumps(key_state, separators=(",", ":"))}')
        self.chromium.wait_for(
            "(() => { const ticks = zolbasPage.trace().split('\\n').filter(l => l.includes('\"ev\":\"tick\"'));"
            f" return ticks.length > 0 && ticks[ticks.length - 1].includes({held}); }})()")

    def storage(self, name):
        return self.chromium.evaluate(f"localStorage.getItem({json.dumps(name)})")


def replayed(zolbas, script):
    run = subprocess.run([zolbas, "--simulate", "-"], input=script, capture_output=True, text=True, timeout=120)
    check(run.returncode == 0, f"the replay failed with status {run.returncode}: {run.stderr}")
    return [json.loads(line) for line in run.stdout.splitlines()]


def compare_with_replay(page_events, replay_events):
    """Event for event; the page shows the explosion before the game goes on
    (the game held meanwhile) where the simulation shows it at once, so the
    events from `gameover` to the question come later by one same amount."""
    check(len(page_events) == len(replay_events),
          f"the page wrote {len(page_events)} events, the replay {len(replay_events)}")
    shown_for = None
    for index, (page, replay) in enumerate(zip(page_events, replay_events)):
        if page["ev"] == "gameover":
            shown_for = page["t"] - replay["t"]
            check(shown_for >= 0, "the explosion ended before it began")
        delay = shown_for if shown_for is not None else 0
        if page["ev"] in ("answer", "tick", "load", "unload", "end"):
            shown_for = None
            delay = 0
        check({**page, "t": page["t"] - delay} == replay, f"event {index}: page {page}, replay {replay}")


def first_round(chromium, url, zolbas):
    page = Page(chromium, url)
    events = page.trace()
    check(events[:2] == [
        {"ev": "store", "t": 100000, "op": "load", "hiScore": 1000, "maxCombo": 0},
        {"ev": "load", "t": 100000, "form": "title"}], f"the page starts with {events[:2]}")
    check(not chromium.evaluate("zolbasPage.soundUnlocked()"), "the page sounded before any gesture")

    page.click_button("Ｐｌａｙ")
    chromium.wait_for("document.querySelector('.client canvas')")
    page.press("ArrowRight", "ArrowRight", 39)
    page.wait_for_tick([0, 1, 0])
    field = page.painted_pixel(*FIELD_POINT, BACKGROUND)
    check(field == BACKGROUND, f"the field reads {field}")
    band = page.painted_pixel(*BAND_POINT, GROUND_BAND)
    check(band == GROUND_BAND, f"the ground band reads {band}")
    on_screen = "zolbasPage.scene().find(i => i.kind === 'walker' && i.rect[0] >= 0 && i.rect[0] + i.rect[2] <= 577)"
    chromium.wait_for(on_screen)
    walker = chromium.evaluate(on_screen)
    centre = (walker["rect"][0] + walker["rect"][2] // 2, walker["rect"][1] + walker["rect"][3] // 2)
    check(page.painted_pixel(*centre, BACKGROUND, differs=True) != BACKGROUND,
          f"the walker at {walker['rect']} is not painted")
    page.press("ArrowDown", "ArrowDown", 40)
    page.wait_for_tick([0, 1, 1])
    check(chromium.evaluate("zolbasPage.soundUnlocked()"), "the first gesture did not start the sound")
    page.release("ArrowRight", "ArrowRight", 39)
    page.release("ArrowDown", "ArrowDown", 40)
    # A release reaches the game a moment later, from a timer of the page's
    # own: the recorded script must have it all the same.
    page.wait_for_tick([0, 0, 0])

    page.press("Enter", "Enter", 13, "\r")
    check(page.wait_for_box() == ["ゾルバス", "タイム！！"], f"the time-out box reads {page.box()}")
    page.release("Enter", "Enter", 13)
    time.sleep(HOLD_SECONDS)
    page.tap("Enter", "Enter", 13, "\r")
    chromium.wait_for("!document.getElementById('box').open")
    time.sleep(HOLD_SECONDS)

    page.tap("e", "KeyE", 69, "e")
    caption, text = page.wait_for_box()
    check(caption == "ゲームオーバー" and text.endswith("点  もう一回やる？"), f"the question reads {caption}, {text}")
    page.click_box_ok()
    chromium.wait_for("document.querySelector('[data-screen=\"0\"]') && !document.querySelector('.client canvas')")

    events = page.trace()
    state = page.state()
    check(state["skippedMs"] == 0, f"the machine stalled the page for {state['skippedMs']} ms")
    ticks = [e for e in events if e["ev"] == "tick"]
    check(len(ticks) > 20, f"only {len(ticks)} ticks")
    steps = {b["t"] - a["t"] for a, b in zip(ticks, ticks[1:]) if not any(
        e["ev"] == "msgbox" and a["t"] <= e["t"] <= b["t"] for e in events)}
    check(steps == {TICK_MS}, f"ticks came {sorted(steps)} ms apart")
    held = [t for t in ticks if t["keyState"] == [0, 1, 1]]
    check(held, "no tick saw Right and Down held")
    check(any(e["ev"] == "gameover" for e in events), "no explosion")

    saved = [e for e in events if e["ev"] == "store" and e["op"] == "save"][-1]
    check(page.storage("ZOL/1/HI") == str(saved["hiScore"]), f"localStorage HI is {page.storage('ZOL/1/HI')}")
    check(page.storage("ZOL/1/HIc") == str(saved["maxCombo"]), f"localStorage HIc is {page.storage('ZOL/1/HIc')}")

    script = chromium.evaluate("zolbasPage.script()")
    replay = replayed(zolbas, script)
    try:
        compare_with_replay(events, replay)
    except RoundFailed as failure:
        kept = pathlib.Path(tempfile.mkdtemp(prefix="page-round-"))
        (kept / "page.script").write_text(script)
        (kept / "page.jsonl").write_text("".join(json.dumps(e, ensure_ascii=False) + "\n" for e in events))
        (kept / "replay.jsonl").write_text("".join(json.dumps(e, ensure_ascii=False) + "\n" for e in replay))
        raise RoundFailed(f"{failure} (the script and both traces are in {kept})") from None
    return len(events), len(ticks)


def bad_stored_value(chromium, url):
    chromium.evaluate("localStorage.setItem('ZOL/1/HI', 'lots')")
    page = Page(chromium, url)
    load = page.trace()[0]
    check(load["hiScore"] == 1000, f"a stored 'lots' loaded as {load['hiScore']}")
    warnings = [text for level, text in chromium.console_messages() if level == "warning"]
    check(any("HI is not a number" in text and "lots" in text for text in warnings),
          f"no console warning for the stored 'lots': {warnings}")


def storage_that_refuses_writes(chromium, url):
    page = Page(chromium, url)
    chromium.send("Emulation.setDeviceMetricsOverride",
                  {"width": 800, "height": 600, "deviceScaleFactor": 2, "mobile": False})
    chromium.evaluate("Storage.prototype.setItem = () => { throw new DOMException('no room', 'QuotaExceededError'); }")
    page.click_button("Ｐｌａｙ")
    chromium.wait_for("document.querySelector('.client canvas')")
    size = chromium.evaluate("(() => { const c = document.querySelector('.client canvas'); return [c.width, c.height]; })()")
    check(size == [2 * PLAY_SIZE[0], 2 * PLAY_SIZE[1]], f"at twice the device pixels the canvas has {size}")
    band = page.painted_pixel(*BAND_POINT, GROUND_BAND)
    check(band == GROUND_BAND, f"at 2x the ground band reads {band}")
    page.tap("e", "KeyE", 69, "e")
    caption, text = page.wait_for_box()
    check(caption == "ゾルバス" and text.startswith("ベストスコアを保存できませんでした。") and "QuotaExceededError" in text,
          f"the save failure reads {caption}, {text}")
    page.click_box_ok()
    caption, _ = page.wait_for_box()
    check(caption == "ゲームオーバー", f"after the save failure came {caption}")
    page.click_box_ok()
    chromium.wait_for("document.querySelector('[data-screen=\"0\"]')")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    dist, zolbas = sys.argv[1:]
    httpd = serve.server(dist)
    threading.Thread(target=httpd.serve_forever, daemon=True).start()
    url = f"http://127.0.0.1:{httpd.server_port}/"
    try:
        with devtools.Chromium() as chromium:
            events, ticks = first_round(chromium, url, zolbas)
            bad_stored_value(chromium, url)
            storage_that_refuses_writes(chromium, url)
            errors = [e for e in chromium.events if e.get("method") == "Runtime.exceptionThrown"]
            check(not errors, f"the page threw: {errors}")
    except (RoundFailed, devtools.DevToolsError) as failure:
        print(f"page round: FAILED: {failure}", file=sys.stderr)
        return 1
    finally:
        httpd.shutdown()
        httpd.server_close()
    print(f"page round: {events} events and {ticks} ticks replayed identically; the stored best, a bad stored value"
          " and a refused write held")
    return 0


if __name__ == "__main__":
    sys.exit(main())
