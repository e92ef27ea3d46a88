#!/usr/bin/env python3
"""The page installed and offline, in headless Chromium: the first visit
keeps every file in a cache named by the build's version; the manifest has no
errors and Chromium sees nothing against installing the page; with the
server stopped and the network off the page loads again, shows the title and
plays; a rebuilt page (a changed file, a new version) replaces the cache
whole on its next visit, and its files are the new ones.

usage: page_offline.py DIST_FOLDER
"""
import pathlib
import re
import shutil
import sys
import tempfile
import threading

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import devtools  # noqa: E402
import serve  # noqa: E402

REBUILT = "/* rebuilt */\n"


class Failed(AssertionError):
    pass


def check(condition, what):
    if not condition:
        raise Failed(what)


def version(dist):
    return re.search(r"const CACHE = '([^']+)'", (dist / "service-worker.js").read_text()).group(1)


class Server:
    """The page's folder on one port, which stops and starts again on it: a
    service worker belongs to its origin."""

    def __init__(self, folder):
        self.folder, self.port = folder, 0
        self.start()

    def start(self):
        self.httpd = serve.server(str(self.folder), self.port)
        self.port = self.httpd.server_port
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


def caches(chromium):
    return chromium.evaluate("caches.keys()")


def title_then_play(chromium):
    chromium.wait_for("window.zolbasPage && zolbasPage.started")
    chromium.wait_for("[...document.querySelectorAll('.client button')].some(b => b.textContent === 'Ｐｌａｙ')")
    chromium.click(*chromium.evaluate(
        "(() => { const b = [...document.querySelectorAll('.client button')].find(b => b.textContent === 'Ｐｌａｙ');"
        " const r = b.getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; })()"))
    chromium.wait_for("zolbasPage.trace().includes('\"ev\":\"tick\"')")


def offline_round(chromium, dist):
    server = Server(dist)
    # `?trace`: the page keeps the game's events for the test to read.
    url = f"http://127.0.0.1:{server.port}/?trace"
    try:
        chromium.open_page(url)
        chromium.wait_for("navigator.serviceWorker.controller !== null")
        first = version(dist)
        check(caches(chromium) == [first], f"the first visit kept {caches(chromium)}, not {first}")
        kept = chromium.evaluate(f"caches.open('{first}').then(c => c.keys()).then(r => r.length)")
        files = sum(1 for f in dist.rglob("*") if f.is_file())
        check(kept == files, f"the cache holds {kept} requests for {files} files and the folder")
        manifest = chromium.send("Page.getAppManifest")
        check(not manifest.get("errors") and "ゾルバス" in manifest.get("data", ""), f"the manifest: {manifest}")
        installable = chromium.send("Page.getInstallabilityErrors")["installabilityErrors"]
        check(not installable, f"Chromium would not install the page: {installable}")

        server.stop()
        chromium.send("Network.enable")
        chromium.send("Network.emulateNetworkConditions",
                      {"offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        chromium.send("Page.reload")
        title_then_play(chromium)

        # A new build: one file changed, and the worker with a new version.
        (dist / "page.css").write_text((dist / "page.css").read_text() + REBUILT)
        worker = dist / "service-worker.js"
        worker.write_text(worker.read_text().replace(first, first + "-rebuilt"))
        server.start()
        chromium.send("Network.emulateNetworkConditions",
                      {"offline": False, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        chromium.send("Page.reload")
        chromium.wait_for(f"caches.keys().then(k => k.length === 1 && k[0] === '{first}-rebuilt')")
        # Once the new worker has the page, its files are the new ones.
        chromium.wait_for(f"fetch('page.css').then(r => r.text()).then(t => t.endsWith({REBUILT!r}))")
    finally:
        server.stop()
    return f"cached as {first}, played offline, replaced whole by a rebuild"


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with tempfile.TemporaryDirectory() as scratch:
        dist = pathlib.Path(scratch) / "web"
        shutil.copytree(sys.argv[1], dist)
        try:
            with devtools.Chromium() as chromium:
                summary = offline_round(chromium, dist)
        except (Failed, devtools.DevToolsError) as failure:
            print(f"page offline: FAILED: {failure}", file=sys.stderr)
            return 1
    print(f"page offline: {summary}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
