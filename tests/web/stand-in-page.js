// Stands in for the browser and the page in the tests of the page's C++
// services under node: a localStorage kept in a Map, which a test can make
// refuse writes (as private browsing does) or take away altogether; boxes
// and sound that write down what they are asked.
globalThis.standIn = {
  items: new Map(),
  refuseWrites: false,
  noStorage: false,
  calls: [],
};
Object.defineProperty(globalThis, 'localStorage', {
  configurable: true,
  get() {
    if (standIn.noStorage) throw new DOMException('storage is disabled', 'SecurityError');
    return {
      getItem: (name) => (standIn.items.has(name) ? standIn.items.get(name) : null),
      setItem: (name, text) => {
        if (standIn.refuseWrites) throw new DOMException('the quota is 0', 'QuotaExceededError');
        standIn.items.set(name, String(text));
      },
    };
  },
});
Module.page = {
  boxes: {
    show: (box) => standIn.calls.push(['box', box.text, box.caption, box.okCancel, box.warning].join('|')),
  },
  sound: {
    open: (channel, name) => {
      standIn.calls.push(['open', channel, name].join('|'));
      return name !== 'missing.wav';
    },
    rewind: (channel) => standIn.calls.push('rewind|' + channel),
    play: (channel) => standIn.calls.push('play|' + channel),
    close: (channel) => standIn.calls.push('close|' + channel),
  },
};
