"""Where the page puts the play screen and the touch controls on a phone,
and what the screen shows there: checks shared by the touch tests."""
import math

from fingers import CONTROLS, DOWN, ENTER, GIVE_UP, LEFT, RIGHT, control_rect, rect
from page_harness import check

STATUS_LINE = [255, 0, 0]
GROUND_BAND = [128, 64, 0]
# The controls' faces (touch.css): the arrows in the ground band's brown,
# タイム and ギブアップ in the buttons' grey.
FACES = {ENTER: [192, 192, 192], GIVE_UP: [192, 192, 192], LEFT: GROUND_BAND, RIGHT: GROUND_BAND, DOWN: GROUND_BAND}
# The play screen fills the viewport's width or its height to this share at least.
FILLS = 0.9


def inside(box, metrics):
    return (box[0] >= 0 and box[1] >= 0
            and box[0] + box[2] <= metrics["width"] and box[1] + box[3] <= metrics["height"])


def apart(a, b):
    return a[0] + a[2] <= b[0] or b[0] + b[2] <= a[0] or a[1] + a[3] <= b[1] or b[1] + b[3] <= a[1]


def seen(page, x, y, expected, what):
    shown = page.painted(lambda: page.screen_pixel(x, y), expected)
    check(shown == expected, f"{what} at ({x}, {y}) shows {shown}, not {expected}")


def placed_for(page, metrics):
    """The play screen and the controls where a finger and an eye find
    them; gives the play screen's place."""
    play = rect(page, ".client canvas")
    where = f"at {metrics['width']} x {metrics['height']}"
    check(inside(play, metrics), f"{where} the play screen at {play} leaves the viewport")
    check(max(play[2] / metrics["width"], play[3] / metrics["height"]) >= FILLS, f"{where} the play screen is {play}")
    backing = page.chromium.evaluate("document.querySelector('.client canvas').width")
    check(backing == round(play[2] * metrics["deviceScaleFactor"]), f"{where} the canvas has {backing} pixels across")
    for code in CONTROLS:
        box = control_rect(page, code)
        check(inside(box, metrics), f"{where} the control for {code} at {box} leaves the viewport")
        check(apart(box, play), f"{where} the control for {code} at {box} covers the play screen at {play}")
    return play


def shown_for(page, metrics):
    """What the screen shows there: nothing covers the play screen."""
    play = placed_for(page, metrics)
    where = f"at {metrics['width']} x {metrics['height']}"
    left, top = math.ceil(play[0]) + 1, math.ceil(play[1]) + 1
    right, bottom = math.floor(play[0] + play[2]) - 2, math.floor(play[1] + play[3]) - 2
    seen(page, left, top, STATUS_LINE, f"{where} the play screen's top left")
    seen(page, right, top, STATUS_LINE, f"{where} the play screen's top right")
    seen(page, left, bottom, GROUND_BAND, f"{where} the play screen's bottom left")
    for code in CONTROLS:
        box = control_rect(page, code)
        seen(page, math.ceil(box[0]) + 6, math.ceil(box[1]) + 6, FACES[code], f"{where} the control for {code}")
