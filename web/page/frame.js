// A screen's window on the page: a frame with its caption, the full-screen
// button and the close box, in the look of the desktop's windows, around
// the client area where the screen is drawn.
import {cssColour} from './looks.js';

export function windowFrame(screen, design, {toggleFullScreen, close}) {
  const frame = document.createElement('section');
  frame.className = 'window';
  frame.dataset.screen = screen;
  const header = document.createElement('header');
  const caption = document.createElement('span');
  caption.textContent = design.caption;
  const buttons = document.createElement('span');
  buttons.append(
    captionButton('full-screen', '□', '全画面 (F11)', toggleFullScreen),
    captionButton('close', '×', '閉じる', close));
  header.append(caption, buttons);
  const client = document.createElement('div');
  client.className = 'client';
  client.style.background = cssColour(design.back);
  frame.append(header, client);
  return {frame, client};
}

function captionButton(kind, glyph, label, pressed) {
  const button = document.createElement('button');
  button.className = kind;
  button.textContent = glyph;
  button.setAttribute('aria-label', label);
  button.title = label;
  button.addEventListener('click', pressed);
  // A click leaves the focus where it was, as a window's caption buttons
  // do: a focused button would take the game's Enter for itself.
  button.addEventListener('mousedown', (event) => event.preventDefault());
  return button;
}
