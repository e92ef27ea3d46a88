#!/usr/bin/env python3
"""A round of the game in the page played with a pad: the Gamepad API
replaced by a scripted pad in the standard layout. No pad, no reading; then
on the title the d-pad moves the focus and A presses Ｐｌａｙ; the stick and
the d-pad steer; a pad that goes lets go of what it held; Start opens the
time-out box and A answers it; Back gives up, and B answers the question
(Cancel, the game ends). The page's record is replayed through
`zolbas --simulate` and must give the page's trace event for event.

usage: page_pads.py DIST_FOLDER ZOLBAS
"""
import json
import pathlib
import sys

# The test's helpers beside it, without leaving compiled copies in the tree.
sys.dont_write_bytecode = True
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from page_harness import Page, check, run_page_test  # noqa: E402
from replay import check_replay  # noqa: E402

# The standard layout's buttons the round presses.
A, B, BACK, START, UP, DOWN, LEFT = 0, 1, 8, 9, 12, 13, 14
# The trace's value of a box answered Cancel.
CANCEL = 2

# A pad the test sets by hand; the page's readings are counted, so that the
# test knows when the page has read what it set.
SCRIPTED_PAD = """
window.scriptedPad = {index: 0, id: 'scripted pad', mapping: 'standard', connected: true, timestamp: 0,
  buttons: Array.from({length: 17}, () => ({pressed: false, touched: false, value: 0})), axes: [0, 0, 0, 0]};
window.padReadings = 0;
navigator.getGamepads = () => { window.padReadings += 1; return [window.scriptedPad, null, null, null]; };
window.padEvent = (kind) => window.dispatchEvent(Object.assign(new Event(kind), {gamepad: window.scriptedPad}));
"""


class Pad:
    def __init__(self, page):
        self.chromium = page.chromium

    def set(self, *buttons, stick=(0, 0)):
        """The pad as it is now; gives the count of the page's readings."""
        return self.chromium.evaluate(
            f"(() => {{ const held = {json.dumps(list(buttons))};"
            " scriptedPad.buttons.forEach((b, i) => { b.pressed = held.includes(i); b.value = b.pressed ? 1 : 0; });"
            f" scriptedPad.axes = {json.dumps(list(stick))}.concat([0, 0]); return padReadings; }})()")

    def hold(self, *buttons, stick=(0, 0)):
        """The pad as it is now, once the page has read it so."""
        self.read_after(self.set(*buttons, stick=stick))

    def read_after(self, readings):
        self.chromium.wait_for(f"padReadings > {readings}")

    def event(self, kind):
        self.chromium.evaluate(f"padEvent('{kind}')")


def focused(page):
    return page.chromium.evaluate("document.activeElement.textContent")


def pad_round(chromium, url, zolbas):
    page = Page(chromium, url, before_scripts=SCRIPTED_PAD)
    # A pad counts only for the page with the focus, which a headless page
    # has only so.
    chromium.send("Emulation.setFocusEmulationEnabled", {"enabled": True})
    pad = Pad(page)
    chromium.evaluate("new Promise((done) => { let n = 10; const f = () => --n ? requestAnimationFrame(f) : done();"
                      " requestAnimationFrame(f); })")
    check(chromium.evaluate("padReadings") == 0, "the page read pads with none connected")

    pad.event("gamepadconnected")
    pad.hold(DOWN)
    check(focused(page) == "Help", f"the d-pad down moved the focus to {focused(page)}")
    pad.hold()
    pad.hold(UP)
    check(focused(page) == "Ｐｌａｙ", f"the d-pad up moved the focus to {focused(page)}")
    pad.hold()
    pad.hold(A)
    chromium.wait_for("document.querySelector('.client canvas')")
    pad.hold()

    pad.hold(stick=(1, 0))
    page.wait_for_tick([0, 1, 0])
    pad.hold(DOWN, stick=(0.9, 0.1))
    page.wait_for_tick([0, 1, 1])
    pad.hold()
    page.wait_for_tick([0, 0, 0])
    pad.hold(LEFT)
    page.wait_for_tick([1, 0, 0])
    pad.event("gamepaddisconnected")
    page.wait_for_tick([0, 0, 0])
    readings = pad.set()
    pad.event("gamepadconnected")
    pad.read_after(readings)

    pad.hold(START)
    check(page.wait_for_box() == ["ゾルバス", "タイム！！"], f"Start opened {page.box()}")
    pad.hold()
    pad.hold(A)
    chromium.wait_for("!document.getElementById('box').open")
    pad.hold()

    pad.hold(BACK)
    caption, _ = page.wait_for_box()
    check(caption == "ゲームオーバー", f"Back led to {caption}")
    pad.hold(B)
    chromium.wait_for("zolbasPage.state().ended && !document.getElementById('ended').hidden")

    events = page.trace()
    answers = [e for e in events if e["ev"] == "answer"]
    check([a["value"] for a in answers][-1:] == [CANCEL], f"B answered the question with {answers[-1:]}")
    check_replay(chromium, events, zolbas)
    return f"{len(events)} events of a round by pad replayed identically"


if __name__ == "__main__":
    sys.exit(run_page_test("page pads", __doc__, sys.argv, pad_round))
