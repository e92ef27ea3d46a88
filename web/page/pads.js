// The Gamepad API's pads for the game: each pad in the standard layout is
// read once an animation frame and handed to the game, which tells presses
// and releases from the readings. Pads are read only while one is connected
// and the page is shown and has the focus: with none connected nothing runs,
// and a pad steers only the page in front (another window's pad stays its
// own). When the page loses the focus or is hidden, every pad lets go.
// Pads in other layouts are left alone: they number their buttons as they
// like.

// The standard layout's button for each of the game's controls, in the
// game's order (platform/PadReading.h: Up, Down, Left, Right, South, East,
// Start, Back).
const BUTTONS = [12, 13, 14, 15, 0, 1, 9, 8];
// The left stick's axes, right and down positive as the game takes them.
const STICK_X = 0;
const STICK_Y = 1;

export class Pads {
  // `read(pad, pressed, stickX, stickY)` with a bit for each control;
  // `gone(pad)` when a pad read before goes or stops counting.
  constructor(read, gone) {
    this.read = read;
    this.gone = gone;
    this.connected = new Set();
    this.handedOver = new Set();
    this.frameAsked = false;
    window.addEventListener('gamepadconnected', (event) => {
      this.connected.add(event.gamepad.index);
      this.follow();
    });
    window.addEventListener('gamepaddisconnected', (event) => {
      this.connected.delete(event.gamepad.index);
      this.letGo(event.gamepad.index);
      this.follow();
    });
    window.addEventListener('focus', () => this.follow());
    window.addEventListener('blur', () => this.follow());
    document.addEventListener('visibilitychange', () => this.follow());
  }

  get counting() {
    return this.connected.size > 0 && document.visibilityState === 'visible' && document.hasFocus();
  }

  follow() {
    if (!this.counting) {
      for (const pad of [...this.handedOver]) this.letGo(pad);
    } else if (!this.frameAsked) {
      this.frameAsked = true;
      requestAnimationFrame(() => this.frame());
    }
  }

  frame() {
    this.frameAsked = false;
    if (!this.counting) return this.follow();
    for (const pad of navigator.getGamepads()) {
      if (!pad || !this.connected.has(pad.index) || pad.mapping !== 'standard') continue;
      const pressed = BUTTONS.reduce((bits, button, control) => bits | (pad.buttons[button]?.pressed ? 1 << control : 0), 0);
      this.handedOver.add(pad.index);
      this.read(pad.index, pressed, pad.axes[STICK_X] ?? 0, pad.axes[STICK_Y] ?? 0);
    }
    this.follow();
  }

  letGo(pad) {
    if (this.handedOver.delete(pad)) this.gone(pad);
  }
}
