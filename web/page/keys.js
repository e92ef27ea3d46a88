// The game's keys as the classic virtual-key codes the program takes: Enter,
// the arrows, and E (give up). Letters follow the keyboard layout, as on the
// desktop; where the layout types no Latin letter (kana input, Cyrillic), the
// key in the E position still gives up. Null for every other key.
const NAMED_KEYS = {Enter: 13, ArrowLeft: 37, ArrowRight: 39, ArrowDown: 40};

export function virtualKeyCode(event) {
  if (event.key in NAMED_KEYS) return NAMED_KEYS[event.key];
  if (/^[a-zA-Z]$/.test(event.key)) return event.key.toUpperCase().charCodeAt(0);
  const position = /^Key([A-Z])$/.exec(event.code);
  if (position && !/^[\x20-\x7e]$/.test(event.key)) return position[1].charCodeAt(0);
  return null;
}

// F11 and Alt+Enter switch full screen, as on the desktop. Ctrl+Plus,
// Ctrl+Minus and Ctrl+0 stay the browser's own zoom: a zoomed page is drawn
// at its new device pixels already, and the zoom reaches the rest of the
// page as the player expects.
export function togglesFullScreen(event) {
  if (event.ctrlKey || event.metaKey || event.shiftKey) return false;
  if (event.key === 'F11') return !event.altKey;
  return event.key === 'Enter' && Boolean(event.altKey);
}
