// The game's screens as windows of the page, each built from the layout the
// module exports (the same design data the desktop's windows are made
// from): the title's lines and buttons, the help document and its button,
// and the play screen's canvas, which the painter paints from the scene.
import {cssColour, cssFont} from './looks.js';
import {Painter} from './painter.js';
import {pictureCanvas} from './pictures.js';

const TITLE = 0;
const PLAY = 1;
const HELP = 2;

export class Screens {
  // `game` is what the page offers of the module (see page.js).
  constructor(desktop, game) {
    this.desktop = desktop;
    this.game = game;
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
    const frame = document.createElement('section');
    frame.className = 'window';
    frame.dataset.screen = screen;
    const header = document.createElement('header');
    const caption = document.createElement('span');
    caption.textContent = design.caption;
    const close = document.createElement('button');
    close.className = 'close';
    close.textContent = '×';
    close.setAttribute('aria-label', '閉じる');
    close.addEventListener('click', () => this.game.close(screen));
    header.append(caption, close);
    const client = document.createElement('div');
    client.className = 'client';
    client.style.width = `${design.size[0]}px`;
    client.style.height = `${design.size[1]}px`;
    client.style.background = cssColour(design.back);
    frame.append(header, client);
    if (screen === PLAY) this.openPlay(client, design);
    else this.openControls(client, design, screen);
    this.desktop.append(frame);
    this.windows.set(screen, frame);
    const first = client.querySelector('button');
    if (first) first.focus();
  }

  openControls(client, design, screen) {
    for (const line of design.lines || []) {
      const label = place(document.createElement('div'), line.rect, line.font);
      label.className = 'line';
      label.textContent = line.caption;
      label.style.color = cssColour(line.colour);
      client.append(label);
    }
    for (const button of design.buttons) {
      const element = place(document.createElement('button'), button.rect, button.font);
      element.textContent = button.caption;
      element.addEventListener('click', () => this.game.button(button.name));
      client.append(element);
    }
    if (screen === HELP) {
      const document_ = place(document.createElement('div'), design.document.rect, design.document.font);
      document_.className = 'document';
      document_.textContent = this.game.helpText();
      document_.tabIndex = 0;
      client.append(document_);
      const icon = document.createElement('canvas');
      icon.className = 'icon';
      [icon.width, icon.height] = [this.sprites.icon.width, this.sprites.icon.height];
      icon.getContext('2d').drawImage(this.sprites.icon, 0, 0);
      place(icon, design.icon);
      client.append(icon);
    }
  }

  openPlay(client, design) {
    const canvas = document.createElement('canvas');
    client.append(canvas);
    this.painter = new Painter(canvas, design.size, design.back, this.sprites);
    this.dirty = true;
  }

  close(screen) {
    const frame = this.windows.get(screen);
    if (frame) frame.remove();
    this.windows.delete(screen);
    if (screen === PLAY) this.painter = null;
  }

  raise(screen) {
    const frame = this.windows.get(screen);
    if (frame) this.desktop.append(frame);
  }

  // The page does not yet scale its screens: they keep their designed size.
  displayChanged() {}

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

// Puts an element at its place in pixels, in its designed font.
function place(element, [left, top, width, height], font) {
  Object.assign(element.style, {left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px`});
  if (font) {
    element.style.font = cssFont(font);
    if (font.underline) element.style.textDecoration = 'underline';
  }
  return element;
}
