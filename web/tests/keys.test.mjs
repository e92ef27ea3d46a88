// The page's key translation (web/page/keys.js) across keyboard layouts, and
// its display keys.
import assert from 'node:assert/strict';
import {readFileSync} from 'node:fs';
import {test} from 'node:test';

// The page's files are ES modules for the browser; node takes a .js file
// for CommonJS, so the module is loaded from its text.
const source = readFileSync(new URL('../page/keys.js', import.meta.url), 'utf8');
const keys = await import('data:text/javascript,' + encodeURIComponent(source));
const {virtualKeyCode} = keys;

test('the game keys by their names', () => {
  assert.equal(virtualKeyCode({key: 'Enter', code: 'Enter'}), 13);
  assert.equal(virtualKeyCode({key: 'ArrowLeft', code: 'ArrowLeft'}), 37);
  assert.equal(virtualKeyCode({key: 'ArrowRight', code: 'ArrowRight'}), 39);
  assert.equal(virtualKeyCode({key: 'ArrowDown', code: 'ArrowDown'}), 40);
});

test('E follows the layout where it types Latin letters', () => {
  assert.equal(virtualKeyCode({key: 'e', code: 'KeyE'}), 69);
  assert.equal(virtualKeyCode({key: 'E', code: 'KeyE'}), 69, 'with Shift or Caps Lock');
  assert.equal(virtualKeyCode({key: 'e', code: 'KeyD'}), 69, 'Dvorak types e on the D key');
  assert.equal(virtualKeyCode({key: '.', code: 'KeyE'}), null, 'and its E position types a full stop');
});

test('where the layout types no Latin letter, the E position gives up', () => {
  assert.equal(virtualKeyCode({key: 'い', code: 'KeyE'}), 69, 'kana input');
  assert.equal(virtualKeyCode({key: 'у', code: 'KeyE'}), 69, 'Cyrillic');
});

test('every other key is none of the game', () => {
  assert.equal(virtualKeyCode({key: 'ArrowUp', code: 'ArrowUp'}), null);
  assert.equal(virtualKeyCode({key: ' ', code: 'Space'}), null);
  assert.equal(virtualKeyCode({key: 'Shift', code: 'ShiftLeft'}), null);
});

test('F11 and Alt+Enter switch full screen; the zoom keys stay the browser\'s', () => {
  const {togglesFullScreen} = keys;
  assert.equal(togglesFullScreen({key: 'F11'}), true);
  assert.equal(togglesFullScreen({key: 'Enter', altKey: true}), true);
  assert.equal(togglesFullScreen({key: 'Enter'}), false, 'Enter alone is the game\'s');
  assert.equal(togglesFullScreen({key: 'F11', ctrlKey: true}), false);
  assert.equal(togglesFullScreen({key: 'Enter', altKey: true, shiftKey: true}), false);
  for (const key of ['+', '-', '0']) assert.equal(togglesFullScreen({key, ctrlKey: true}), false, `Ctrl+${key}`);
});
