#!/usr/bin/env python3
"""The game played by touch alone, on a phone emulated with touch (390 x 844
CSS pixels at three device pixels each). First the screens: the help by
its button, its document scrolled by a finger within itself, readable; the
title's Ｐｌａｙ tapped; the play screen and the controls probed upright and
turned on its side (844 x 390): inside the viewport, the controls clear of
the play screen, the play screen's corners and each control's face in
their colours on the screen's pixels, the canvas at the device's pixels.
Then rounds: Ｐｌａｙ tapped, → held, then ↓ with it by a second finger,
both lifted; タイム, the box's OK tapped; ギブアップ, the explosion, the
question's OK tapped, the title again. The second round turns the phone on
its side once the game runs, and plays on in the same game. Each round's
record is replayed through `zolbas --simulate` and must give the page's
trace event for event.

usage: page_touch.py DIST_FOLDER ZOLBAS
"""
import pathlib
import sys

# The test's helpers beside it, without leaving compiled copies in the tree.
sys.dont_write_bytecode = True
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from fingers import (DOWN, ENTER, GIVE_UP, ON_ITS_SIDE, RIGHT, UPRIGHT, Fingers, controls_shown,  # noqa: E402
                     middle, phone, rect, turn)
from page_harness import Page, check, run_page_test  # noqa: E402
from phone_layout import inside, placed_for, shown_for  # noqa: E402
from replay import check_replay  # noqa: E402

# The help document's text is at least this large, in CSS pixels.
READABLE_PX = 12
TITLE = "document.querySelector('[data-screen=\"0\"]') && !document.querySelector('.client canvas')"


def help_by_touch(page, fingers):
    fingers.tap_button("Help")
    page.chromium.wait_for("document.querySelector('.client .document')")
    document = rect(page, ".client .document")
    check(inside(document, UPRIGHT), f"the help document at {document} leaves the viewport")
    size = page.chromium.evaluate(
        "(() => { const d = document.querySelector('.client .document');"
        " return parseFloat(getComputedStyle(d).fontSize) * d.getBoundingClientRect().width / d.offsetWidth; })()")
    check(size >= READABLE_PX, f"the help's text is {size:.1f} CSS pixels high")
    x, y = middle(document)
    fingers.put(1, (x, y))
    for step in range(1, 11):
        fingers.slide(1, (x, y - 15 * step))
    fingers.lift(1)
    page.chromium.wait_for("document.querySelector('.client .document').scrollTop > 0")
    # A tap on a document still gliding stops it instead of pressing what
    # it lands on: the next tap waits until it stands.
    page.chromium.evaluate(
        "new Promise((stands) => { const d = document.querySelector('.client .document'); let last = -1;"
        " const look = () => (d.scrollTop === last ? stands() : (last = d.scrollTop, setTimeout(look, 200)));"
        " look(); })")
    check(page.chromium.evaluate("scrollX === 0 && scrollY === 0"), "the finger scrolled the page")
    fingers.tap_button("戻ります")
    page.chromium.wait_for("!document.querySelector('.client .document')")


def play_by_touch(chromium, url):
    page = Page(chromium, url, setup=phone(UPRIGHT))
    fingers = Fingers(page)
    check(not controls_shown(page), "the touch controls stand on the title")
    fingers.tap_button("Ｐｌａｙ")
    chromium.wait_for("document.querySelector('.client canvas') && document.body.classList.contains('controls')")
    return page, fingers


# Scrolling the help and taking the screen's pixels hold up a loaded
# machine's frames for longer than the game catches up: these are looked
# at on pages of their own, which are not replayed.
def screens_on_the_phone(chromium, url):
    page = Page(chromium, url, setup=phone(UPRIGHT))
    help_by_touch(page, Fingers(page))
    chromium.close_page()
    page, _ = play_by_touch(chromium, url)
    shown_for(page, UPRIGHT)
    turn(page, ON_ITS_SIDE)
    shown_for(page, ON_ITS_SIDE)
    chromium.close_page()


def touch_round(chromium, url, zolbas, turned):
    page, fingers = play_by_touch(chromium, url)
    if turned:
        chromium.evaluate("document.querySelector('.client canvas').dataset.before = 'turned'")
        turn(page, ON_ITS_SIDE)
        check(chromium.evaluate("document.querySelector('.client canvas').dataset.before === 'turned'"),
              "turning the phone made the play screen anew")
    placed_for(page, ON_ITS_SIDE if turned else UPRIGHT)

    fingers.hold_control(1, RIGHT)
    page.wait_for_tick([0, 1, 0])
    check(chromium.evaluate("zolbasPage.soundUnlocked()"), "the first tap did not start the sound")
    fingers.hold_control(2, DOWN)
    page.wait_for_tick([0, 1, 1])
    fingers.lift(1)
    fingers.lift(2)
    page.wait_for_tick([0, 0, 0])

    fingers.tap_control(ENTER)
    check(page.wait_for_box() == ["ゾルバス", "タイム！！"], f"タイム opened {page.box()}")
    fingers.tap_box_ok()
    fingers.tap_control(GIVE_UP)
    caption, text = page.wait_for_box()
    check(caption == "ゲームオーバー" and text.endswith("点  もう一回やる？"),
          f"the question reads {caption}, {text}")
    fingers.tap_box_ok()
    chromium.wait_for(TITLE)
    check(not controls_shown(page), "the touch controls stayed at the title")

    events = page.trace()
    check(any(e["ev"] == "tick" and e["keyState"] == [0, 1, 1] for e in events), "no tick saw → and ↓ held")
    check(any(e["ev"] == "gameover" for e in events), "no explosion")
    check_replay(chromium, events, zolbas)
    return len(events)


def rounds(chromium, url, zolbas):
    screens_on_the_phone(chromium, url)
    upright = touch_round(chromium, url, zolbas, turned=False)
    turned = touch_round(chromium, url, zolbas, turned=True)
    return (f"the screens laid out upright and on its side; rounds of {upright} and {turned} events by touch,"
            " upright and turned, replayed identically")


if __name__ == "__main__":
    sys.exit(run_page_test("page touch", __doc__, sys.argv, rounds))
