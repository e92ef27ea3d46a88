// The title and help screens' controls, built from the layout the module
// exports: the title's lines and buttons, the help document, its icon and
// its button, each at its designed place on the screen's stage.
import {cssColour, cssFont} from './looks.js';

export function buildControls(stage, design, {helpText, icon, pressed}) {
  for (const line of design.lines || []) {
    const label = place(document.createElement('div'), line.rect, line.font);
    label.className = 'line';
    label.textContent = line.caption;
    label.style.color = cssColour(line.colour);
    stage.append(label);
  }
  for (const button of design.buttons) {
    const element = place(document.createElement('button'), button.rect, button.font);
    element.textContent = button.caption;
    element.addEventListener('click', () => pressed(button.name));
    stage.append(element);
  }
  if (design.document) {
    const document_ = place(document.createElement('div'), design.document.rect, design.document.font);
    document_.className = 'document';
    document_.textContent = helpText();
    document_.tabIndex = 0;
    stage.append(document_);
  }
  if (design.icon) {
    const canvas = document.createElement('canvas');
    canvas.className = 'icon';
    [canvas.width, canvas.height] = [icon.width, icon.height];
    canvas.getContext('2d').drawImage(icon, 0, 0);
    stage.append(place(canvas, design.icon));
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
