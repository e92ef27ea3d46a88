#!/usr/bin/env python3
"""Measures the page in headless Chromium: a cold load to the first tick,
the sizes of what it downloads, and the processor time of a game in play
against an empty page that moves one sprite on a canvas, and against the
same page playing the game's tune in a loop (the floor: what any page with
a moving picture and this music costs), in the same run; a game in play
in full screen on a 1920 x 1080 screen, drawn at twice its size, against the
one in a window; a game in play on a phone (390 x 844 at three device
pixels each) with the touch controls shown and ↓ held by a finger, against
the same floor; and the time from navigation to the title on a first visit
against a visit from the service worker's cache with the network off.

usage: bench/web_page.py DIST_FOLDER [SECONDS]
"""
import gzip
import os
import pathlib
import shutil
import sys
import tempfile
import threading
import time

ROOT = pathlib.Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "web"))
sys.path.insert(0, str(ROOT / "web" / "tests"))
import devtools  # noqa: E402
import serve  # noqa: E402
from fingers import UPRIGHT, phone  # noqa: E402

# The baseline: one 32 x 32 sprite crossing a 577 x 409 canvas at every frame.
EMPTY_PAGE = """<!DOCTYPE html><canvas id=c width=577 height=409></canvas><script>
const c = document.getElementById('c').getContext('2d');
const sprite = new OffscreenCanvas(32, 32); const s = sprite.getContext('2d');
s.fillStyle = '#804000'; s.fillRect(0, 0, 32, 32);
let x = 0;
function frame() { c.fillStyle = '#ff8000'; c.fillRect(0, 0, 577, 409);
  c.drawImage(sprite, x, 180); x = (x + 2) % 577; requestAnimationFrame(frame); }
requestAnimationFrame(frame);
</script>"""

# The floor: the same page, and from the first key press the game's tune
# looping through Web Audio, as the game plays it.
FLOOR_PAGE = EMPTY_PAGE + """<script>
window.addEventListener('keydown', async () => {
  const audio = new AudioContext();
  const tune = await audio.decodeAudioData(await (await fetch('music1.ogg')).arrayBuffer());
  const source = audio.createBufferSource();
  source.buffer = tune; source.loop = true; source.connect(audio.destination); source.start();
  window.tunePlaying = true;
}, {once: true});
</script>"""


def cpu_seconds(pid):
    """User and system time of a process and all its descendants."""
    ticks = os.sysconf("SC_CLK_TCK")
    children = {}
    for entry in pathlib.Path("/proc").iterdir():
        if entry.name.isdigit():
            try:
                fields = (entry / "stat").read_text().rsplit(")", 1)[1].split()
                children.setdefault(int(fields[1]), []).append(int(entry.name))
            except (OSError, IndexError):
                pass
    total, todo = 0, [pid]
    while todo:
        current = todo.pop()
        try:
            fields = pathlib.Path(f"/proc/{current}/stat").read_text().rsplit(")", 1)[1].split()
            total += int(fields[11]) + int(fields[12])
        except OSError:
            pass
        todo.extend(children.get(current, []))
    return total / ticks


# Seconds a page settles after it opened before it is measured, and how many
# windows are measured (the median is reported: the machine is shared).
SETTLE_SECONDS = 2
WINDOWS = 3


def share_of_a_core(chromium, seconds):
    """Chromium's processor time over `seconds` of wall time, the median of
    a few windows, as a share of one core."""
    time.sleep(SETTLE_SECONDS)
    shares = []
    for _ in range(WINDOWS):
        before, start = cpu_seconds(chromium.process.pid), time.monotonic()
        time.sleep(seconds / WINDOWS)
        shares.append((cpu_seconds(chromium.process.pid) - before) / (time.monotonic() - start))
    return sorted(shares)[WINDOWS // 2]


def sizes(dist):
    rows = []
    for name in ["zolbas.wasm", "zolbas.js", "page.js", "music1.ogg", "music1.mp3", "snd.wav", "lvup.wav",
                 "fonts/ipagp.woff2", "fonts/ipamp.woff2"]:
        data = (pathlib.Path(dist) / name).read_bytes()
        rows.append(f"{name:18} {len(data) / 1024:7.1f} KiB  ({len(gzip.compress(data, 9)) / 1024:6.1f} KiB gzipped)")
    total = sum(p.stat().st_size for p in pathlib.Path(dist).rglob("*") if p.is_file())
    rows.append(f"{'everything':18} {total / 1024:7.1f} KiB")
    return rows


PLAY = "[...document.querySelectorAll('.client button')].find(b => b.textContent === 'Ｐｌａｙ').click()"
# The screen of the full-screen row, where the play screen is drawn at 2x.
LARGE_SCREEN = {"width": 1920, "height": 1080, "deviceScaleFactor": 1, "mobile": False}
TWICE_THE_PLAY_SCREEN = 2 * 577


def give_up_to_the_title(chromium):
    """E, then Enter on the box's OK: the title again."""
    chromium.key("keyDown", "e", "KeyE", 69, "e")
    chromium.wait_for("document.getElementById('box').open")
    chromium.key("keyDown", "Enter", "Enter", 13, "\r")
    chromium.wait_for("document.querySelector('[data-screen=\"0\"]')")


def play_in_full_screen(chromium, seconds):
    """A new round in full screen at 2x, Down held, as a share of a core."""
    give_up_to_the_title(chromium)
    chromium.send("Emulation.setDeviceMetricsOverride", LARGE_SCREEN)
    chromium.key("keyDown", "F11", "F11", 122)
    chromium.key("keyUp", "F11", "F11", 122)
    chromium.wait_for("document.fullscreenElement")
    chromium.evaluate(PLAY)
    chromium.wait_for(f"document.querySelector('.client canvas').width === {TWICE_THE_PLAY_SCREEN}")
    chromium.key("keyDown", "ArrowDown", "ArrowDown", 40)
    return share_of_a_core(chromium, seconds)


# The phone's ↓ control, where a finger holds it.
DOWN_CONTROL = ("(() => { const r = [...document.querySelectorAll('#touch-controls button')]"
                ".find(b => b.textContent === '↓').getBoundingClientRect();"
                " return [r.x + r.width / 2, r.y + r.height / 2]; })()")


def play_by_touch(chromium, url, seconds):
    """A game on the phone with the touch controls shown, ↓ held by a
    finger, as a share of a core."""
    chromium.open_page(url, setup=phone(UPRIGHT))
    chromium.wait_for("window.zolbasPage")
    chromium.evaluate("zolbasPage.started")
    chromium.evaluate(PLAY)
    chromium.wait_for("document.body.classList.contains('controls') && document.querySelector('.client canvas')")
    x, y = chromium.evaluate(DOWN_CONTROL)
    chromium.send("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": [{"x": x, "y": y, "id": 1}]})
    return share_of_a_core(chromium, seconds)


# Visits from the service worker's cache measured; the median is reported.
OFFLINE_VISITS = 3


def title_ready(chromium):
    """Ms from navigation to the title running, once the page says so."""
    chromium.wait_for("window.zolbasPage && zolbasPage.readyMs() !== null", timeout=60)
    return chromium.evaluate("zolbasPage.readyMs()")


def first_and_offline_visits(dist):
    """To the title on a first visit (a fresh profile), then from the
    service worker's cache with the server stopped and the network off."""
    httpd, url = serving(dist)
    with devtools.Chromium() as chromium:
        try:
            chromium.open_page(url)
            first = title_ready(chromium)
            chromium.wait_for("navigator.serviceWorker.controller !== null", timeout=60)
        finally:
            httpd.shutdown()
            httpd.server_close()
        chromium.send("Network.enable")
        chromium.send("Network.emulateNetworkConditions",
                      {"offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        offline = []
        for _ in range(OFFLINE_VISITS):
            chromium.evaluate("window.zolbasPage = undefined")
            chromium.send("Page.reload")
            offline.append(title_ready(chromium))
    return first, sorted(offline)[OFFLINE_VISITS // 2]


def serving(folder):
    httpd = serve.server(folder)
    threading.Thread(target=httpd.serve_forever, daemon=True).start()
    return httpd, f"http://127.0.0.1:{httpd.server_port}/"


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    dist = sys.argv[1]
    seconds = float(sys.argv[2]) if len(sys.argv) == 3 else 10
    floor_folder = tempfile.mkdtemp(prefix="zolbas-floor-")
    (pathlib.Path(floor_folder) / "index.html").write_text(FLOOR_PAGE)
    shutil.copy(pathlib.Path(dist) / "music1.ogg", floor_folder)
    httpd, url = serving(dist)
    floor_httpd, floor_url = serving(floor_folder)
    try:
        with devtools.Chromium() as chromium:
            chromium.open_page(url)
            chromium.wait_for("window.zolbasPage")
            chromium.evaluate("zolbasPage.started")
            chromium.evaluate(PLAY)
            chromium.wait_for("zolbasPage.firstTickMs() !== null")
            first_tick = chromium.evaluate("zolbasPage.firstTickMs()")
            ready = chromium.evaluate("zolbasPage.readyMs()")
            give_up_to_the_title(chromium)
            title = share_of_a_core(chromium, seconds)
            chromium.evaluate(PLAY)
            chromium.key("keyDown", "ArrowDown", "ArrowDown", 40)
            playing = share_of_a_core(chromium, seconds)
            full_screen = play_in_full_screen(chromium, seconds)
            chromium.close_page()
            by_touch = play_by_touch(chromium, url, seconds)

            chromium.close_page()
            chromium.open_page("data:text/html," + EMPTY_PAGE)
            chromium.wait_for("document.readyState === 'complete'")
            empty = share_of_a_core(chromium, seconds)

            chromium.close_page()
            chromium.open_page(floor_url)
            chromium.wait_for("document.readyState === 'complete'")
            chromium.key("keyDown", "a", "KeyA", 65, "a")
            chromium.wait_for("window.tunePlaying")
            floor = share_of_a_core(chromium, seconds)
    finally:
        for server in (httpd, floor_httpd):
            server.shutdown()
            server.server_close()
        shutil.rmtree(floor_folder)
    first_visit, offline_visit = first_and_offline_visits(dist)
    print(f"navigation to the title running:  {ready:7.0f} ms (cold profile)")
    print(f"navigation to the first tick:     {first_tick:7.0f} ms (Ｐｌａｙ as soon as the title runs)")
    print(f"CPU, the page on its title:       {title * 100:5.1f} % of a core")
    print(f"CPU, a game in play (Down held):  {playing * 100:5.1f} % of a core")
    print(f"CPU, the same in full screen, 2x: {full_screen * 100:5.1f} % of a core")
    print(f"CPU, on a phone by touch, ↓ held: {by_touch * 100:5.1f} % of a core (390 x 844 at 3x, controls shown)")
    print(f"CPU, one sprite on a canvas:      {empty * 100:5.1f} % of a core")
    print(f"CPU, the sprite and the tune:     {floor * 100:5.1f} % of a core (the floor)")
    if playing > 0:
        print(f"ratio of full screen to a window: {full_screen / playing:5.1f}")
    if empty > 0:
        print(f"ratio to the sprite alone:        {playing / empty:5.1f}")
    if floor > 0:
        print(f"ratio to the floor:               {playing / floor:5.1f}")
        print(f"ratio of the phone to the floor:  {by_touch / floor:5.1f}")
    if playing > 0:
        print(f"ratio of the phone to a window:   {by_touch / playing:5.1f}")
    print(f"navigation to the title, first:   {first_visit:7.0f} ms (fresh profile, from the server)")
    print(f"navigation to the title, offline: {offline_visit:7.0f} ms (from the service worker's cache, median of"
          f" {OFFLINE_VISITS})")
    print("\n".join(sizes(dist)))


if __name__ == "__main__":
    main()
