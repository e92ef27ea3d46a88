// Full screen on the page, as the game's display mode says; the game keeps
// the mode between visits (localStorage "zolbas/display/..."). In full
// screen the game area fills the browser's room, black, and the screen in
// front is drawn at the largest whole factor that fits, in the middle (on a
// page used by touch, filling the room as layout.js fits it).
// The browser's own full screen needs the player's gesture: F11 and the
// full-screen button are one; a mode kept from the last visit asks at the
// player's first click or key press, the area filling the window until
// then. The browser may leave full screen by itself (Escape, its own menu):
// the game's mode then goes back to windowed, so that what it keeps is what
// the player saw last.
export class Display {
  // `game` is what the page offers of the module (see page.js).
  constructor(area, game, screens) {
    this.area = area;
    this.game = game;
    this.screens = screens;
    document.addEventListener('fullscreenchange', () => this.browserChanged());
  }

  // The browser's room for the page, in CSS pixels: the monitor once in
  // full screen.
  static room() {
    return [window.innerWidth, window.innerHeight];
  }

  // F11, Alt+Enter or the full-screen button.
  toggle() {
    this.game.toggleFullScreen();
  }

  // The game's mode changed, or the page opened in it.
  changed() {
    const full = this.game.fullScreen();
    this.area.classList.toggle('full-screen', full);
    if (full) this.enter();
    else if (document.fullscreenElement) document.exitFullscreen();
    this.screens.relayout();
  }

  // The player's click or key press.
  gesture() {
    if (this.game.fullScreen()) this.enter();
  }

  enter() {
    const activation = navigator.userActivation;
    if (document.fullscreenElement || !this.area.requestFullscreen || (activation && !activation.isActive)) return;
    // Refused (no gesture after all, or a frame that may not): the area
    // fills the window, and the next gesture asks again.
    this.area.requestFullscreen().catch(() => {});
  }

  browserChanged() {
    const left = !document.fullscreenElement && this.game.fullScreen();
    // Once the game has ended its mode stays as the player last chose it.
    if (left && !this.game.ended()) this.toggle();
    else this.screens.relayout();
  }
}
