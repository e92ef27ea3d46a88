// Keeps the screen of a phone or a tablet on while a game runs: a game is
// steered without touching the screen for longer than it takes to dim. The
// browser lets go of the lock by itself when the page is hidden; it is taken
// again when the page shows while the game still runs, and let go at the
// title. Where the browser has no wake lock, or refuses it (a battery
// saver), the screen dims as it always did; a refusal is not asked again
// until the page is shown again or the next game.
export class ScreenAwake {
  constructor() {
    this.playing = false;
    this.lock = null;
    this.asking = false;
    this.refused = false;
    document.addEventListener('visibilitychange', () => {
      this.refused = false;
      this.follow();
    });
  }

  set gameRuns(runs) {
    if (runs === this.playing) return;
    this.playing = runs;
    this.refused = false;
    this.follow();
  }

  follow() {
    const wanted = this.playing && document.visibilityState === 'visible';
    if (wanted && !this.lock && !this.asking && !this.refused && navigator.wakeLock) {
      this.asking = true;
      navigator.wakeLock.request('screen').then((lock) => {
        this.lock = lock;
        lock.addEventListener('release', () => {
          if (this.lock === lock) this.lock = null;
        });
      }, () => {
        this.refused = true;
      }).finally(() => {
        this.asking = false;
        this.follow();
      });
    } else if (!wanted && this.lock) {
      const lock = this.lock;
      this.lock = null;
      lock.release().catch(() => {});
    }
  }
}
