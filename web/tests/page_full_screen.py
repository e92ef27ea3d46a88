#!/usr/bin/env python3
"""The page in full screen on a large screen (1920 x 1080): the play
screen's full-screen button, then F11 twice, then the browser leaving full
screen by itself. In full screen the play screen is drawn at twice its size
(the largest whole factor that fits), in the middle of black: probed on the
screen's own pixels at its edges. The mode is kept where the game keeps it.

usage: page_full_screen.py DIST_FOLDER
"""
import pathlib
import sys

# The test's helpers beside it, without leaving compiled copies in the tree.
sys.dont_write_bytecode = True
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from page_harness import PLAY_SIZE, Page, check, run_page_test  # noqa: E402

SCREEN = (1920, 1080)
FACTOR = 2
# The play screen's top left corner on that screen, centred at FACTOR.
LEFT = (SCREEN[0] - PLAY_SIZE[0] * FACTOR) // 2
TOP = (SCREEN[1] - PLAY_SIZE[1] * FACTOR) // 2
BLACK = [0, 0, 0]
STATUS_LINE = [255, 0, 0]
GROUND_BAND = [128, 64, 0]
# Where the game keeps the mode.
FULL_SCREEN_ITEM = "zolbas/display/fullscreen"


def drawn_at_twice_the_size(page):
    """The screen's corners and edges, each a pixel inside and one outside."""
    right, bottom = LEFT + PLAY_SIZE[0] * FACTOR, TOP + PLAY_SIZE[1] * FACTOR
    probes = [
        ((LEFT, TOP), STATUS_LINE), ((LEFT - 1, TOP), BLACK), ((LEFT, TOP - 1), BLACK),
        ((right - 1, TOP), STATUS_LINE), ((right, TOP), BLACK),
        ((LEFT, bottom - 1), GROUND_BAND), ((LEFT, bottom), BLACK),
        ((10, SCREEN[1] // 2), BLACK), ((SCREEN[0] - 10, SCREEN[1] // 2), BLACK),
    ]
    for (x, y), expected in probes:
        seen = page.painted(lambda: page.screen_pixel(x, y), expected)
        check(seen == expected, f"in full screen ({x}, {y}) shows {seen}, not {expected}")
    backing = page.chromium.evaluate("document.querySelector('.client canvas').width")
    check(backing == PLAY_SIZE[0] * FACTOR, f"the canvas keeps {backing} pixels across, drawn at {FACTOR}x")


def wait_for_mode(page, full):
    page.chromium.wait_for(f"Boolean(document.fullscreenElement) === {'true' if full else 'false'}"
                           f" && localStorage.getItem('{FULL_SCREEN_ITEM}') === '{int(full)}'")


def f11(page):
    page.tap("F11", "F11", 122)


def full_screen(chromium, url):
    page = Page(chromium, url)
    chromium.send("Emulation.setDeviceMetricsOverride",
                  {"width": SCREEN[0], "height": SCREEN[1], "deviceScaleFactor": 1, "mobile": False})
    page.click_button("Ｐｌａｙ")
    chromium.wait_for("document.querySelector('.client canvas')")
    page.click_middle("[data-screen='1'] .full-screen")
    wait_for_mode(page, True)
    drawn_at_twice_the_size(page)

    f11(page)
    wait_for_mode(page, False)
    chromium.wait_for(f"document.querySelector('.client canvas').width === {PLAY_SIZE[0]}")
    f11(page)
    wait_for_mode(page, True)
    drawn_at_twice_the_size(page)

    # As Escape would: the game's mode follows, and the screen its size.
    chromium.evaluate("document.exitFullscreen()")
    wait_for_mode(page, False)
    chromium.wait_for(f"document.querySelector('.client canvas').width === {PLAY_SIZE[0]}")
    return "the button, F11 and the browser's own leaving held; drawn at 2x, centred"


if __name__ == "__main__":
    sys.exit(run_page_test("page full screen", __doc__, sys.argv, full_screen, arguments=("DIST_FOLDER",)))
