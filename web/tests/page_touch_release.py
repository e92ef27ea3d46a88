#!/usr/bin/env python3
"""Nothing stays held by touch, on a phone emulated with touch (390 x 844):
a finger on → that slides off onto the play screen lets go of → while it
still touches, and holds it again as it slides back; a cancelled touch (a
call coming in) lets go of ↓; of two fingers on ← and ↓ the one lifted lets
go and the other holds on; the page losing the focus, and the page hidden,
let go of what fingers hold, and a finger holds again after. Each release
shows in the game's ticks. A key hides the controls, and so does a pad's
button; a tap shows them again. The screen is kept awake while the game runs (a stand-in for the
browser's wake lock): taken at Ｐｌａｙ, let go while the page is hidden,
taken again when it shows, let go at the title. The page's record is
replayed through `zolbas --simulate` and must give its trace event for event.

usage: page_touch_release.py DIST_FOLDER ZOLBAS
"""
import pathlib
import sys

# The test's helpers beside it, without leaving compiled copies in the tree.
sys.dont_write_bytecode = True
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from fingers import (DOWN, GIVE_UP, LEFT, RIGHT, UPRIGHT, Fingers,  # noqa: E402
                     control_rect, controls_shown, middle, phone, rect)
from page_harness import Page, check, run_page_test  # noqa: E402
from page_pads import LEFT as PAD_LEFT, SCRIPTED_PAD, Pad  # noqa: E402
from replay import check_replay  # noqa: E402

# The browser's wake lock as the test sees it: how often the page asked and
# how many locks it holds; like the browser it lets go of its locks when the
# page is hidden. `showPage(false)` hides the page as going to another app
# would, `showPage(true)` shows it again.
WAKE_LOCK = """
window.wakeLocks = {asked: 0, held: 0};
Object.defineProperty(navigator, 'wakeLock', {value: {request: async (type) => {
  wakeLocks.asked += 1;
  wakeLocks.held += 1;
  const lock = Object.assign(new EventTarget(), {type, released: false});
  lock.release = async () => {
    if (lock.released) return;
    lock.released = true;
    wakeLocks.held -= 1;
    lock.dispatchEvent(new Event('release'));
  };
  document.addEventListener('visibilitychange', () => { if (document.visibilityState !== 'visible') lock.release(); });
  return lock;
}}});
window.showPage = (shown) => {
  Object.defineProperty(document, 'visibilityState', {value: shown ? 'visible' : 'hidden', configurable: true});
  document.dispatchEvent(new Event('visibilitychange'));
};
"""


def letting_go(chromium, url, zolbas):
    page = Page(chromium, url, before_scripts=WAKE_LOCK + SCRIPTED_PAD, setup=phone(UPRIGHT))
    fingers = Fingers(page)
    fingers.tap_button("Ｐｌａｙ")
    chromium.wait_for("document.querySelector('.client canvas') && wakeLocks.held === 1")
    play = middle(rect(page, ".client canvas"))

    fingers.hold_control(1, RIGHT)
    page.wait_for_tick([0, 1, 0])
    fingers.slide(1, play)
    page.wait_for_tick([0, 0, 0])
    fingers.slide(1, middle(control_rect(page, RIGHT)))
    page.wait_for_tick([0, 1, 0])
    fingers.lift(1)
    page.wait_for_tick([0, 0, 0])

    fingers.hold_control(2, DOWN)
    page.wait_for_tick([0, 0, 1])
    fingers.cancel()
    page.wait_for_tick([0, 0, 0])

    fingers.hold_control(1, LEFT)
    fingers.hold_control(2, DOWN)
    page.wait_for_tick([1, 0, 1])
    fingers.lift(2)
    page.wait_for_tick([1, 0, 0])
    chromium.evaluate("window.dispatchEvent(new Event('blur'))")
    page.wait_for_tick([0, 0, 0])
    # The finger still on ← counts no more: a second one holds it anew.
    fingers.hold_control(2, LEFT)
    page.wait_for_tick([1, 0, 0])
    chromium.evaluate("showPage(false)")
    page.wait_for_tick([0, 0, 0])
    chromium.wait_for("wakeLocks.held === 0")
    chromium.evaluate("showPage(true)")
    chromium.wait_for("wakeLocks.held === 1 && wakeLocks.asked === 2")
    fingers.lift(2)
    fingers.lift(1)
    fingers.hold_control(1, LEFT)
    page.wait_for_tick([1, 0, 0])
    fingers.lift(1)
    page.wait_for_tick([0, 0, 0])

    page.tap("ArrowRight", "ArrowRight", 39)
    chromium.wait_for("!document.body.classList.contains('controls')")
    fingers.tap(play)
    chromium.wait_for("document.body.classList.contains('controls')")
    # A pad counts only for the page with the focus, which a headless page
    # has only so.
    chromium.send("Emulation.setFocusEmulationEnabled", {"enabled": True})
    pad = Pad(page)
    pad.event("gamepadconnected")
    pad.hold(PAD_LEFT)
    chromium.wait_for("!document.body.classList.contains('controls')")
    pad.hold()
    page.wait_for_tick([0, 0, 0])
    fingers.tap(play)
    chromium.wait_for("document.body.classList.contains('controls')")
    fingers.tap_control(GIVE_UP)
    caption, _ = page.wait_for_box()
    check(caption == "ゲームオーバー", f"ギブアップ led to {caption}")
    fingers.tap_box_ok()
    chromium.wait_for("document.querySelector('[data-screen=\"0\"]') && !document.querySelector('.client canvas')")
    chromium.wait_for("wakeLocks.held === 0")
    check(not controls_shown(page), "the controls stayed at the title")

    events = page.trace()
    check_replay(chromium, events, zolbas)
    return f"{len(events)} events; slid off, cancelled, lifted, blurred and hidden, each let go; replayed identically"


if __name__ == "__main__":
    sys.exit(run_page_test("page touch release", __doc__, sys.argv, letting_go))
