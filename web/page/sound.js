// The game's two sound channels on Web Audio: 0 the tune, 1 the cues. The
// game opens its files by name (sounds.json maps each to the files the page
// has, the first the browser decodes taken: the tune rendered at build time
// to Ogg Vorbis, or MP3 where Vorbis is not decoded; the cues as they are);
// tune.json says how long a round of the tune is and how early before its end
// the tune counts as ended, so that the game's own music check starts the
// next round on the last one's final bar line, as on the desktop. Browsers
// let a page sound only after the player's first tap, click or key press,
// whose handlers call `unlock`: Safari counts it only when the audio is
// resumed inside the handler itself. While nothing sounds (the title, the help) the audio stands
// still, so an idle page costs the machine nothing for it.
export class Sound {
  constructor(tuneEnded) {
    this.tuneEnded = tuneEnded;
    this.context = null;
    this.gestured = false;
    this.sounding = new Set();
    this.files = {};
    this.tune = null;
    this.buffers = new Map();
    this.opened = new Map();
    this.cue = null;
    this.round = null;
    // The tune's file the game asked to play before it was decoded.
    this.tuneWaiting = null;
  }

  // Fetches the sounds' descriptions, then fetches and decodes every sound
  // in the background: the title needs none, and a minute of tune takes
  // the better part of a second to decode. A cue asked for before its file
  // is ready stays silent, like one that decodes nowhere; a tune asked for
  // starts as soon as it is ready. The game goes on either way.
  async load(base) {
    const json = async (name) => (await fetch(new URL(name, base))).json();
    [this.files, this.tune] = await Promise.all([json('sounds.json'), json('tune.json')]);
    this.context = new AudioContext();
    Object.entries(this.files).forEach(async ([name, alternatives]) => {
      for (const file of alternatives) {
        try {
          const bytes = await (await fetch(new URL(file, base))).arrayBuffer();
          this.buffers.set(name, await this.context.decodeAudioData(bytes));
          if (this.tuneWaiting === name && this.opened.get(Sound.TUNE) === name) this.play(Sound.TUNE);
          return;
        } catch (e) {
          console.warn(`ゾルバス: ${file} does not play here`);
        }
      }
    });
    if (this.sounding.size === 0) await this.context.suspend();
  }

  unlock() {
    this.gestured = true;
    this.wake();
  }

  // Safari's audio may also stand 'interrupted' (a call took it).
  wake() {
    const state = this.context && this.context.state;
    if (this.gestured && state && state !== 'running' && state !== 'closed') this.context.resume().catch(() => {});
  }

  // A source that starts keeps the audio running until it has ended.
  starting(source, when) {
    this.sounding.add(source);
    source.onended = () => {
      this.sounding.delete(source);
      if (this.sounding.size === 0 && this.context.state === 'running') this.context.suspend();
    };
    source.start(when);
    this.wake();
  }

  get unlocked() {
    return this.context !== null && this.context.state === 'running';
  }

  open(channel, name) {
    this.opened.set(channel, name);
    return name in this.files;
  }

  // Every play starts from the top: nothing to do.
  rewind() {}

  play(channel) {
    const buffer = this.buffers.get(this.opened.get(channel));
    if (channel === Sound.TUNE) this.tuneWaiting = buffer ? null : this.opened.get(channel);
    if (!buffer) return;
    const source = this.context.createBufferSource();
    source.buffer = buffer;
    source.connect(this.context.destination);
    if (channel !== Sound.TUNE) {
      this.stopCue();
      this.cue = source;
      this.starting(source, 0);
      return;
    }
    // A round in its last moments still rings: the next begins where it ends.
    const ringing = this.round && this.round.closing;
    const start = ringing ? this.round.start + this.tune.roundSeconds : this.context.currentTime;
    this.round = {source, start, closing: false, reported: false};
    this.starting(source, start);
  }

  close(channel) {
    if (channel !== Sound.TUNE) {
      this.stopCue();
      return;
    }
    this.tuneWaiting = null;
    if (!this.round) return;
    if (this.inLastMoments()) {
      this.round.closing = true;
    } else {
      this.round.source.stop();
      this.round = null;
    }
  }

  // Called every frame: tells the game once when the tune's round is over.
  poll() {
    if (this.round && !this.round.closing && !this.round.reported && this.inLastMoments()) {
      this.round.reported = true;
      this.tuneEnded();
    }
  }

  inLastMoments() {
    const endsAt = this.round.start + this.tune.roundSeconds - this.tune.endsEarlySeconds;
    return this.context.currentTime >= endsAt;
  }

  stopCue() {
    if (this.cue) this.cue.stop();
    this.cue = null;
  }
}

Sound.TUNE = 0;
