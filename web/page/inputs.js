// What the player does, handed to the game at the page's present moment:
// the game's keys, the display's keys, the first gestures, and the pads.
// Each input wakes the game's frames.
import {togglesFullScreen, virtualKeyCode} from './keys.js';
import {Pads} from './pads.js';

export function listenToThePlayer({module, elapsed, wake, boxes, sound, display}) {
  // The first click or key press lets the page sound, and takes the page to
  // the browser's full screen when the game's mode kept from the last visit
  // says so.
  const onGesture = () => {
    sound.unlock();
    display.gesture();
  };

  // The display's keys are the page's, not the browser's; as on the desktop
  // they do nothing while a box is open (the box would go behind the screen).
  const onDisplayKey = (event) => {
    event.preventDefault();
    if (event.type === 'keydown' && !event.repeat && !boxes.isOpen) display.toggle();
  };

  const onKey = (event) => {
    if (togglesFullScreen(event)) return onDisplayKey(event);
    onGesture();
    if (boxes.isOpen) return;
    const code = virtualKeyCode(event);
    if (code === null) return;
    if (code !== 13 || document.activeElement === document.body) event.preventDefault();
    module._zolbas_key(elapsed(), event.type === 'keydown' ? 1 : 0, code, event.repeat ? 1 : 0);
    wake();
  };

  window.addEventListener('keydown', onKey);
  window.addEventListener('keyup', onKey);
  window.addEventListener('pointerdown', onGesture);
  // Without the keyboard the page would never see a release: no key sticks.
  window.addEventListener('blur', () => {
    module._zolbas_keyboard_lost(elapsed());
    wake();
  });
  // The pads hand their readings over from frames of their own.
  new Pads(
    (pad, pressed, stickX, stickY) => {
      module._zolbas_pad_read(elapsed(), pad, pressed, stickX, stickY);
      wake();
    },
    (pad) => {
      module._zolbas_pad_gone(elapsed(), pad);
      wake();
    });
}
