// What the page's C++ backends (platform/web) import from JavaScript: the
// browser's storage, text decoder, message boxes and sound. Boxes and sound
// go through the page's own objects (Module.page); the rest is the browser's.
mergeInto(LibraryManager.library, {
  // A copy of `text` in the module's memory, for C++ to take over and free.
  $zolbasNewCString__deps: ['malloc'],
  $zolbasNewCString: function (text) {
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
  },

  // The stored text of an item, or null when there is none or no storage.
  zolbas_storage_read__deps: ['$zolbasNewCString'],
  zolbas_storage_read: function (name) {
    let text = null;
    try {
      text = globalThis.localStorage.getItem(UTF8ToString(name));
    } catch (e) {
      text = null;
    }
    return text === null ? 0 : zolbasNewCString(text);
  },

  // Null when the item was stored, or why it could not be.
  zolbas_storage_write__deps: ['$zolbasNewCString'],
  zolbas_storage_write: function (name, text) {
    try {
      globalThis.localStorage.setItem(UTF8ToString(name), UTF8ToString(text));
      return 0;
    } catch (e) {
      const why = e && e.name ? e.name : String(e);
      return zolbasNewCString('このブラウザーには保存できません（' + why + '）');
    }
  },

  // Decodes code page 932 one character at a time, so that a damaged byte
  // costs one U+FFFD and decoding goes on after it, as with iconv; the bytes
  // that engines map differently (control codes, 0x80) are settled here.
  // Gives malloc'd UTF-8 of `*written` bytes (NUL may be among them), led by
  // '1' when every byte was part of a character, '0' otherwise.
  zolbas_decode_cp932__deps: ['malloc'],
  zolbas_decode_cp932: function (bytes, length, written) {
    const input = HEAPU8.subarray(bytes, bytes + length);
    const decoder = new TextDecoder('shift_jis', {fatal: true});
    const isLead = (b) => (b >= 0x81 && b <= 0x9f) || (b >= 0xe0 && b <= 0xfc);
    const isHalfWidth = (b) => b >= 0xa1 && b <= 0xdf;
    const decodeUnit = (at, size) => {
      try {
        return decoder.decode(input.subarray(at, at + size));
      } catch (e) {
        return '';
      }
    };
    let text = '';
    let clean = true;
    for (let i = 0; i < length;) {
      const b = input[i];
      let character = '';
      let size = 1;
      if (b < 0x80) {
        character = String.fromCharCode(b);
      } else if (isHalfWidth(b)) {
        character = decodeUnit(i, 1);
      } else if (isLead(b) && i + 1 < length) {
        character = decodeUnit(i, 2);
        size = 2;
      }
      if (character.length === 0) {
        text += '\uFFFD';
        clean = false;
        size = 1;
      } else {
        text += character;
      }
      i += size;
    }
    const result = (clean ? '1' : '0') + text;
    const size = lengthBytesUTF8(result) + 1;
    const out = _malloc(size);
    HEAP32[written >> 2] = stringToUTF8(result, out, size);
    return out;
  },

  // A modal box of the page; its answer comes back through the module's
  // zolbas_box_answered.
  zolbas_box_show: function (text, caption, okCancel, warning) {
    Module.page.boxes.show({
      text: UTF8ToString(text),
      caption: UTF8ToString(caption),
      okCancel: okCancel !== 0,
      warning: warning !== 0,
    });
  },
  // The box goes without answering: the program answers it itself.
  zolbas_box_hide: function () {
    Module.page.boxes.hide();
  },

  // The page's sound player, by channel (0 the tune, 1 the cues).
  zolbas_sound_open: function (channel, fileName) {
    return Module.page.sound.open(channel, UTF8ToString(fileName)) ? 1 : 0;
  },
  zolbas_sound_rewind: function (channel) {
    Module.page.sound.rewind(channel);
  },
  zolbas_sound_play: function (channel) {
    Module.page.sound.play(channel);
  },
  zolbas_sound_close: function (channel) {
    Module.page.sound.close(channel);
  },

  // The game's windows (web/browser/PageWindows.cpp), by screen number.
  zolbas_page_open: function (screen) {
    Module.page.screens.open(screen);
  },
  zolbas_page_close: function (screen) {
    Module.page.screens.close(screen);
  },
  zolbas_page_raise: function (screen) {
    Module.page.screens.raise(screen);
  },
  zolbas_page_repaint_play: function () {
    Module.page.screens.repaintPlay();
  },
  zolbas_page_start_explosion: function () {
    Module.page.screens.startExplosion();
  },
  zolbas_page_quit: function () {
    Module.page.screens.quit();
  },
  zolbas_page_display_changed: function () {
    Module.page.display.changed();
  },
  zolbas_page_move_focus: function (step) {
    Module.page.screens.moveFocus(step);
  },
  zolbas_page_press_focused: function () {
    Module.page.screens.pressFocused();
  },

  // A run-time error stopped the game: the page shows the message.
  zolbas_page_runtime_error: function (message, caption) {
    Module.page.runtimeError(UTF8ToString(message), UTF8ToString(caption));
  },
});
