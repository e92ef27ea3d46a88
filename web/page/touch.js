// The game's keys as buttons for the fingers, beside or below the play
// screen: ←, → and ↓ are held as long as a finger is on them (several
// fingers at once, each its own), タイム and ギブアップ act on their press as
// Enter and E do. Each hands its key to the game as the touch controls' own
// source, so a game played by touch is the same game as one played by keys.
// Nothing stays held: a finger that slides off lets go of the button (and
// one that slides onto a button holds it), and a cancelled touch (a call, a
// notification), a page that loses the focus or is hidden and controls that
// hide let go of every button. When the game lets go of its keys by itself
// (a box opens, the play screen goes) the buttons only forget their fingers:
// that comes from inside the game's own call, which must not be entered
// again.

// The controls as they are laid out (touch.css places each group): the
// classic virtual-key code of the key each stands for, its caption and what
// a screen reader says for it.
export const TOUCH_CONTROLS = [
  {group: 'steer', kind: 'small', code: 13, caption: 'タイム', label: 'タイム (Enter)'},
  {group: 'steer', kind: 'hold', code: 37, caption: '←', label: '左'},
  {group: 'steer', kind: 'hold', code: 39, caption: '→', label: '右'},
  {group: 'drop', kind: 'small', code: 69, caption: 'ギブアップ', label: 'ギブアップ (E)'},
  {group: 'drop', kind: 'hold', code: 40, caption: '↓', label: '下'},
];

export class TouchControls {
  // `key(code, down)` hands a key's press or release to the game.
  constructor(container, key) {
    this.key = key;
    this.buttons = TOUCH_CONTROLS.map((control) => this.build(container, control));
    window.addEventListener('blur', () => this.releaseAll());
    document.addEventListener('visibilitychange', () => {
      if (document.visibilityState !== 'visible') this.releaseAll();
    });
  }

  build(container, control) {
    let group = container.querySelector(`.${control.group}`);
    if (!group) {
      group = document.createElement('div');
      group.className = `touch-group ${control.group}`;
      container.append(group);
    }
    const element = document.createElement('button');
    element.type = 'button';
    element.className = control.kind;
    element.textContent = control.caption;
    element.setAttribute('aria-label', control.label);
    // The keyboard's Enter stays the game's: no control takes the focus.
    element.tabIndex = -1;
    group.append(element);
    const button = {element, code: control.code, pointers: new Set()};
    element.addEventListener('pointerdown', (event) => {
      // A touch is captured by the button it began on; let go of it, so
      // that the button hears the finger slide off.
      if (element.hasPointerCapture(event.pointerId)) element.releasePointerCapture(event.pointerId);
      event.preventDefault();
      this.press(button, event.pointerId);
    });
    element.addEventListener('pointerenter', (event) => {
      if (event.buttons !== 0) this.press(button, event.pointerId);
    });
    for (const kind of ['pointerup', 'pointercancel', 'pointerleave']) {
      element.addEventListener(kind, (event) => this.lift(button, event.pointerId));
    }
    // Where a browser keeps the touch captured all the same, the button
    // still hears it move: off the button is off it.
    element.addEventListener('pointermove', (event) => {
      const r = element.getBoundingClientRect();
      const [x, y] = [event.clientX, event.clientY];
      if (x < r.left || x >= r.right || y < r.top || y >= r.bottom) this.lift(button, event.pointerId);
    });
    return button;
  }

  press(button, pointer) {
    if (button.pointers.has(pointer)) return;
    button.pointers.add(pointer);
    if (button.pointers.size > 1) return;
    button.element.classList.add('held');
    this.key(button.code, true);
  }

  lift(button, pointer) {
    if (!button.pointers.delete(pointer) || button.pointers.size > 0) return;
    button.element.classList.remove('held');
    this.key(button.code, false);
  }

  releaseAll() {
    for (const button of this.buttons) {
      for (const pointer of [...button.pointers]) this.lift(button, pointer);
    }
  }

  forget() {
    for (const button of this.buttons) {
      button.pointers.clear();
      button.element.classList.remove('held');
    }
  }
}
