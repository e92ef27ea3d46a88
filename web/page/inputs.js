// What the player does, handed to the game at the page's present moment:
// the game's keys, the display's keys, the first gestures, and the pads.
// Each input wakes the game's frames. A finger or a pen on the page shows
// the touch controls; a key or a pad hides them again.
import {togglesFullScreen, virtualKeyCode} from './keys.js';
import {Pads} from './pads.js';

// A pad counts as used once a button is pressed or its stick is pushed this
// far from its rest (a stick at rest may read a little off it).
const STICK_USED = 0.5;

export function listenToThePlayer({module, elapsed, wake, boxes, sound, display, layout}) {
  // The first tap, click or key press lets the page sound, and takes the
  // page to the browser's full screen when the game's mode kept from the
  // last visit says so. Safari lets a page sound from the end of a touch
  // (and a click) only: the sound is let go there too, inside the handler.
  const onGesture = (event) => {
    sound.unlock();
    display.gesture();
    if (event.pointerType === 'touch' || event.pointerType === 'pen') layout.touchUsed();
  };

  // The display's keys are the page's, not the browser's; as on the desktop
  // they do nothing while a box is open (the box would go behind the screen).
  const onDisplayKey = (event) => {
    event.preventDefault();
    if (event.type === 'keydown' && !event.repeat && !boxes.isOpen) display.toggle();
  };

  const onKey = (event) => {
    if (event.type === 'keydown') layout.keysUsed();
    if (togglesFullScreen(event)) return onDisplayKey(event);
    onGesture(event);
    if (boxes.isOpen) return;
    const code = virtualKeyCode(event);
    if (code === null) return;
    if (code !== 13 || document.activeElement === document.body) event.preventDefault();
    module._zolbas_key(elapsed(), event.type === 'keydown' ? 1 : 0, code, event.repeat ? 1 : 0);
    wake();
  };

  window.addEventListener('keydown', onKey);
  window.addEventListener('keyup', onKey);
  // Ahead of the page's own handlers: the sound is let go before a touch
  // control's first cue asks for it.
  window.addEventListener('pointerdown', onGesture, true);
  for (const end of ['pointerup', 'touchend']) window.addEventListener(end, () => sound.unlock(), true);
  // Without the keyboard the page would never see a release: no key sticks.
  window.addEventListener('blur', () => {
    module._zolbas_keyboard_lost(elapsed());
    wake();
  });
  // The pads hand their readings over from frames of their own.
  new Pads(
    (pad, pressed, stickX, stickY) => {
      if (pressed !== 0 || Math.hypot(stickX, stickY) > STICK_USED) layout.keysUsed();
      module._zolbas_pad_read(elapsed(), pad, pressed, stickX, stickY);
      wake();
    },
    (pad) => {
      module._zolbas_pad_gone(elapsed(), pad);
      wake();
    });
}
