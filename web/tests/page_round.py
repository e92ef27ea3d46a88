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
import pathlib
import sys
import time

# The test's helpers beside it, without leaving compiled copies in the tree.
sys.dont_write_bytecode = True
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from page_harness import PLAY_SIZE, Page, Stalled, check, run_page_test  # noqa: E402
from replay import check_replay  # noqa: E402

# Real time the round holds keys and boxes, in seconds: long enough for
# several ticks of 51 ms, short enough for the test.
HOLD_SECONDS = 0.6
TICK_MS = 51
# The play screen's colours as designed, and points to probe: in the open
# field, and on the ground band left of its caption.
BACKGROUND = [255, 128, 0]
GROUND_BAND = [128, 64, 0]
FIELD_POINT = (40, 150)
BAND_POINT = (200, 380)


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
    if state["skippedMs"]:
        raise Stalled(f"the machine stalled the page for {state['skippedMs']} ms")
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

    check_replay(chromium, events, zolbas)
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


def whole_round(chromium, url, zolbas):
    events, ticks = first_round(chromium, url, zolbas)
    bad_stored_value(chromium, url)
    storage_that_refuses_writes(chromium, url)
    return (f"{events} events and {ticks} ticks replayed identically; the stored best, a bad stored value"
            " and a refused write held")


if __name__ == "__main__":
    sys.exit(run_page_test("page round", __doc__, sys.argv, whole_round))
