// The page: loads the game's module, fonts and sounds, then runs the game at
// every animation frame and hands it the player's inputs. What the page
// shows comes from the game (its layout, its scene, its explosion); this
// file only wires the browser to it.
import {ScreenAwake} from './awake.js';
import {Boxes} from './boxes.js';
import {Display} from './display.js';
import {listenToThePlayer} from './inputs.js';
import {Layout} from './layout.js';
import {Screens} from './screens.js';
import {Sound} from './sound.js';
import {TouchControls} from './touch.js';

const base = new URL('.', document.baseURI);
let module = null;
let screens = null;
let display = null;
let startedAt = 0;
const elapsed = () => performance.now() - startedAt;
// The game's events are kept only where the address asks for them
// (`?trace`, for tests): a game left running writes about 50 MB an hour.
const keepTrace = new URLSearchParams(location.search).has('trace');
const traceLines = [];
// When the title ran and the first tick came, in ms since navigation.
const moments = {ready: null, firstTick: null};

const text = (pointer) => module.UTF8ToString(pointer);
const json = (pointer) => JSON.parse(text(pointer));

// What the page offers the screens of the game.
const game = {
  layout: () => json(module._zolbas_layout()),
  pictures: () => JSON.parse(text(module._zolbas_pictures())),
  helpText: () => text(module._zolbas_help_text()),
  scene: () => json(module._zolbas_play_scene()),
  button: (word) => {
    module.ccall('zolbas_button', null, ['number', 'string'], [elapsed(), word]);
    wake();
  },
  close: (screen) => {
    module._zolbas_close(elapsed(), screen);
    wake();
  },
  scale: (screen) => json(module._zolbas_screen_scale(screen, ...Display.room())),
  fit: (screen, width, height, ratio) => json(module._zolbas_screen_fit(screen, width, height, ratio)),
  fullScreen: () => module._zolbas_full_screen() !== 0,
  toggleFullScreen: () => module._zolbas_toggle_full_screen(...Display.room()),
  ended: () => state().ended,
};

const controls = new TouchControls(document.getElementById('touch-controls'), (code, down) => {
  module._zolbas_touch_key(elapsed(), down ? 1 : 0, code);
  wake();
});
const boxes = new Boxes(document.getElementById('box'), (answer) => {
  module._zolbas_box_answered(elapsed(), answer === Boxes.OK ? 1 : 0);
  wake();
}, () => controls.forget());
const awake = new ScreenAwake();
const sound = new Sound(() => module._zolbas_tune_ended(elapsed()));

function state() {
  return json(module._zolbas_state());
}

function collectTrace() {
  const fresh = text(module._zolbas_trace());
  if (!fresh) return;
  if (keepTrace) traceLines.push(...fresh.trimEnd().split('\n'));
  if (moments.firstTick === null && fresh.includes('"ev":"tick"')) moments.firstTick = performance.now();
}

// The explosion's strokes due by now: the game paces the show on its clock.
function explosionStrokes() {
  return state().explosion ? json(module._zolbas_explosion_frame(elapsed())) : [];
}

// Frames run while the game has something to do; an idle game (the title, a
// box waiting) sleeps until the player's next input wakes it.
let framesRunning = false;

function frame() {
  module._zolbas_frame(elapsed());
  const strokes = explosionStrokes();
  sound.poll();
  screens.paint(strokes);
  collectTrace();
  framesRunning = !state().idle;
  if (framesRunning) requestAnimationFrame(frame);
}

function wake() {
  collectTrace();
  if (framesRunning || state().ended) return;
  framesRunning = true;
  requestAnimationFrame(frame);
}

async function start() {
  const [created] = await Promise.all([
    createZolbas({locateFile: (file) => new URL(file, base).href, printErr: (line) => console.warn(line)}),
    sound.load(base),
    document.fonts.load('16px "ＭＳ Ｐゴシック"'),
    document.fonts.load('16px "ＭＳ Ｐ明朝"'),
  ]);
  module = created;
  const desktop = document.getElementById('desktop');
  const layout = new Layout({
    desktop, game, controls,
    arranged: () => screens?.relayout(),
    playing: (runs) => { awake.gameRuns = runs; },
  });
  screens = new Screens(desktop, game, {
    scaleOf: (screen) => layout.scale(screen),
    changed: (front, open) => layout.screensChanged(front, open),
  });
  display = new Display(document.getElementById('game'), game, screens);
  module.page = {
    boxes,
    sound,
    screens,
    display,
    runtimeError: (message, caption) => {
      framesRunning = false;
      boxes.show({text: message, caption, okCancel: false, warning: true});
    },
  };
  document.getElementById('loading').remove();
  listenToThePlayer({module, elapsed, wake, boxes, sound, display, layout});
  startedAt = performance.now();
  module._zolbas_start();
  display.changed();
  moments.ready = performance.now();
  wake();
}

// For the page's tests and benchmarks: what happened, as the game tells it.
window.zolbasPage = {
  started: start(),
  trace: () => traceLines.join('\n'),
  script: () => text(module._zolbas_script()),
  state,
  scene: () => game.scene(),
  soundUnlocked: () => sound.unlocked,
  readyMs: () => moments.ready,
  firstTickMs: () => moments.firstTick,
};
