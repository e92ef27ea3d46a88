"""Fingers on the page in headless Chromium: a phone emulated with touch,
and touches that start, slide, lift and are cancelled, each finger its own,
as the DevTools protocol hands them to the page (pointer events, then the
click a tap makes). Also where the page's parts are, in CSS pixels."""
import json

# A phone upright and on its side, three device pixels to a CSS pixel.
UPRIGHT = {"width": 390, "height": 844, "deviceScaleFactor": 3, "mobile": True}
ON_ITS_SIDE = {"width": 844, "height": 390, "deviceScaleFactor": 3, "mobile": True}

# The keys the touch controls stand for, by their classic virtual-key codes,
# and what each control shows the player.
ENTER, LEFT, RIGHT, DOWN, GIVE_UP = 13, 37, 39, 40, 69
CAPTIONS = {ENTER: "タイム", LEFT: "←", RIGHT: "→", DOWN: "↓", GIVE_UP: "ギブアップ"}
CONTROLS = tuple(CAPTIONS)


def phone(metrics):
    """The commands that make the page's tab that phone, touch and all."""
    return [("Emulation.setDeviceMetricsOverride", metrics),
            ("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})]


def turn(page, metrics):
    """The phone turned; waits until the page has heard of it (its own
    listeners come first) and a frame has been drawn since."""
    page.chromium.evaluate("window.turned = false; window.addEventListener('resize',"
                           " () => requestAnimationFrame(() => { window.turned = true; }), {once: true})")
    page.chromium.send("Emulation.setDeviceMetricsOverride", metrics)
    page.chromium.wait_for(f"turned && innerWidth === {metrics['width']} && innerHeight === {metrics['height']}")


def rect(page, selector):
    """[left, top, width, height] of what `selector` finds."""
    return page.chromium.evaluate(
        f"(() => {{ const r = document.querySelector({json.dumps(selector)}).getBoundingClientRect();"
        " return [r.x, r.y, r.width, r.height]; })()")


def control_rect(page, code):
    """Where the touch control that shows the caption of `code` is."""
    return page.chromium.evaluate(
        f"(() => {{ const r = [...document.querySelectorAll('#touch-controls button')].find("
        f"b => b.textContent === {json.dumps(CAPTIONS[code])}).getBoundingClientRect();"
        " return [r.x, r.y, r.width, r.height]; })()")


def controls_shown(page):
    return page.chromium.evaluate("document.body.classList.contains('controls')")


def middle(box):
    return box[0] + box[2] / 2, box[1] + box[3] / 2


class Fingers:
    def __init__(self, page):
        self.chromium = page.chromium
        self.page = page
        self.touching = {}

    def _send(self, kind, fingers):
        """The protocol's touch event: for a start or a move every finger
        touching, for an end the fingers lifted."""
        points = [{"x": x, "y": y, "id": finger} for finger, (x, y) in fingers.items()]
        self.chromium.send("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})

    def put(self, finger, at):
        """A finger comes down at `at`, the others staying where they are."""
        self.touching[finger] = at
        self._send("touchStart", self.touching)

    def slide(self, finger, to):
        self.touching[finger] = to
        self._send("touchMove", self.touching)

    def lift(self, finger):
        self._send("touchEnd", {finger: self.touching.pop(finger)})

    def cancel(self):
        """Every touch is cancelled, as when a call comes in."""
        self.touching.clear()
        self._send("touchCancel", {})

    def tap(self, at):
        self.put(0, at)
        self.lift(0)

    def tap_button(self, caption):
        self.tap(self.page.button_middle(caption))

    def tap_control(self, code):
        self.tap(middle(control_rect(self.page, code)))

    def hold_control(self, finger, code):
        self.put(finger, middle(control_rect(self.page, code)))

    def tap_box_ok(self):
        self.page.click_box_ok(press=lambda x, y: self.tap((x, y)))
