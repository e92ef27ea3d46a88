// The game's screens as windows of the page, each built from the layout the
// module exports (the same design data the desktop's windows are made
// from): the title's and help's controls, and the play screen's canvas,
// which the painter paints from the scene. Each is drawn at the factor and
// place the page's layout gives it (layout.js): on the desktop the whole
// factor of the game's display mode, in full screen or on a phone the screen
// in front covering the others, at its place on the black around it.
import {buildControls} from './controls.js';
import {windowFrame} from './frame.js';
import {Painter} from './painter.js';
import {pictureCanvas} from './pictures.js';

export const PLAY = 1;

export class Screens {
  // `game` is what the page offers of the module (see page.js); `scaleOf`
  // gives a screen's {factor, left, top}; `changed(front, open)` hears the
  // screens change, and arranges the page and fits them all anew.
  constructor(desktop, game, {scaleOf, changed}) {
    this.desktop = desktop;
    this.game = game;
    this.scaleOf = scaleOf;
    this.changed = changed;
    this.layout = game.layout();
    this.windows = new Map();
    this.painter = null;
    this.dirty = false;
    const pictures = game.pictures();
    this.sprites = {
      meteorite: pictureCanvas(pictures.meteorite),
      icon: pictureCanvas(pictures.icon),
      walkers: pictures.walkers.map(pictureCanvas),
    };
  }

  open(screen) {
    const design = this.layout[screen];
    const {frame, client} = windowFrame(screen, design, {
      toggleFullScreen: () => this.game.toggleFullScreen(),
      close: () => this.game.close(screen),
    });
    if (screen === PLAY) {
      const canvas = document.createElement('canvas');
      client.append(canvas);
      this.painter = new Painter(canvas, design.size, design.back, this.sprites);
    } else {
      const stage = document.createElement('div');
      stage.className = 'stage';
      [stage.style.width, stage.style.height] = design.size.map((v) => `${v}px`);
      client.append(stage);
      const pressed = (name) => this.game.button(name);
      buildControls(stage, design, {helpText: this.game.helpText, icon: this.sprites.icon, pressed});
    }
    this.desktop.append(frame);
    this.windows.set(screen, frame);
    this.arrange();
    const first = client.querySelector('button');
    if (first) first.focus();
  }

  arrange() {
    const front = this.desktop.lastElementChild;
    this.changed(front ? Number(front.dataset.screen) : null, [...this.windows.keys()]);
  }

  // Every screen at the factor and place the layout gives it now.
  relayout() {
    for (const [screen, frame] of this.windows) this.fit(screen, frame);
  }

  fit(screen, frame) {
    const {factor, left, top} = this.scaleOf(screen);
    const client = frame.querySelector('.client');
    const [width, height] = this.layout[screen].size;
    Object.assign(client.style, {width: `${width * factor}px`, height: `${height * factor}px`});
    client.style.setProperty('--left', `${left}px`);
    client.style.setProperty('--top', `${top}px`);
    if (screen === PLAY) {
      this.painter.resize(factor);
      this.dirty = true;
    } else {
      // The browser draws the text anew at the scale: sharp, not enlarged.
      client.querySelector('.stage').style.transform = factor === 1 ? '' : `scale(${factor})`;
    }
  }

  close(screen) {
    const frame = this.windows.get(screen);
    if (frame) frame.remove();
    this.windows.delete(screen);
    if (screen === PLAY) this.painter = null;
    this.arrange();
  }

  raise(screen) {
    const frame = this.windows.get(screen);
    if (frame) this.desktop.append(frame);
    this.arrange();
  }

  // The buttons of the screen in front, in their focus order.
  frontButtons() {
    const front = this.desktop.lastElementChild;
    return front ? [...front.querySelectorAll('.client button')] : [];
  }

  moveFocus(step) {
    const buttons = this.frontButtons();
    if (buttons.length === 0) return;
    const at = buttons.indexOf(document.activeElement);
    const next = at < 0 ? 0 : (at + step + buttons.length) % buttons.length;
    buttons[next].focus();
  }

  pressFocused() {
    if (this.frontButtons().includes(document.activeElement)) document.activeElement.click();
  }

  repaintPlay() {
    this.dirty = true;
  }

  startExplosion() {}

  quit() {
    for (const screen of [...this.windows.keys()]) this.close(screen);
    document.getElementById('ended').hidden = false;
    this.arrange();
  }

  // At every frame: the explosion's due strokes, then the scene if it changed.
  paint(strokes) {
    if (!this.painter) return;
    if (strokes.length) {
      this.painter.strokes(strokes);
      this.dirty = true;
    }
    if (!this.dirty) return;
    this.dirty = false;
    this.painter.paint(this.game.scene());
  }
}
