// How the page arranges itself. Where the window is large enough and no
// touch is used, it is the desktop: the game's windows side by side, each at
// the whole factor of the game's display mode. On a phone, a tablet or a
// small window it is the screen in front alone on black, filling the room
// of the page in proportion (the game's rule of fitting a room, at the
// device's pixels); while the play screen is in front of a page used by
// touch, the touch controls stand below it, or beside it when the page is
// on its side, never over it (touch.css). The page counts as used by touch
// from a finger or a pen on it (or a coarse pointer when it opens) until a
// key or a pad is used.
import {PLAY} from './screens.js';

// The desktop needs room for the play screen's window at its designed size
// (577 x 409 with its frame) and the page's margin around it.
const DESKTOP_ROOM = '(min-width: 640px) and (min-height: 480px)';

export class Layout {
  // `game` is what the page offers of the module (see page.js); `arranged`
  // fits the screens anew, `playing(open)` hears when a game opens or goes.
  constructor({desktop, game, controls, arranged, playing}) {
    this.desktop = desktop;
    this.game = game;
    this.controls = controls;
    this.arranged = arranged;
    this.playing = playing;
    this.touch = window.matchMedia('(pointer: coarse)').matches;
    this.front = null;
    this.desktopRoom = window.matchMedia(DESKTOP_ROOM);
    window.addEventListener('resize', () => this.arrange());
    window.addEventListener('orientationchange', () => this.arrange());
    // No long press's menu on a page used by touch; Safari zooms on a pinch
    // whatever the page's touch-action says.
    for (const kind of ['contextmenu', 'gesturestart']) {
      document.addEventListener(kind, (event) => {
        if (this.touch) event.preventDefault();
      });
    }
  }

  get compact() {
    return this.touch || !this.desktopRoom.matches;
  }

  touchUsed() {
    if (this.touch) return;
    this.touch = true;
    this.arrange();
  }

  keysUsed() {
    if (!this.touch) return;
    this.touch = false;
    this.controls.releaseAll();
    this.arrange();
  }

  // The screens in front and open changed (null in front once the game
  // ended), inside the game's call: a play screen gone took its keys along.
  screensChanged(front, open) {
    this.front = front;
    if (front !== PLAY) this.controls.forget();
    this.playing(open.includes(PLAY));
    this.arrange();
  }

  arrange() {
    const controls = this.touch && this.front === PLAY;
    const classes = document.body.classList;
    classes.toggle('compact', this.compact);
    classes.toggle('by-touch', this.touch);
    classes.toggle('controls', controls);
    this.arranged();
  }

  // Where and how large a screen is drawn now: {factor, left, top} in CSS
  // pixels, the place within its window's area.
  scale(screen) {
    if (!this.compact) return this.game.scale(screen);
    const room = this.desktop.getBoundingClientRect();
    const ratio = window.devicePixelRatio || 1;
    return this.game.fit(screen, Math.floor(room.width * ratio), Math.floor(room.height * ratio), ratio);
  }
}
