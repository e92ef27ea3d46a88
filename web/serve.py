#!/usr/bin/env python3
"""Serves the page (dist/web) on this machine only, for a player to open.

usage: serve.py FOLDER [PORT]      (PORT 0 picks a free one)
"""
import functools
import http.server
import sys

# The types a browser insists on: WebAssembly compiles while it downloads
# only when served as such.
CONTENT_TYPES = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".json": "application/json",
    ".wasm": "application/wasm",
    ".ogg": "audio/ogg",
    ".wav": "audio/wav",
    ".woff2": "font/woff2",
    ".webmanifest": "application/manifest+json",
}
LOOPBACK = "127.0.0.1"


class PageHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, **CONTENT_TYPES}

    def log_message(self, format, *args):
        pass


def server(folder, port=0):
    """An HTTP server of `folder` on the loopback address; not yet serving."""
    handler = functools.partial(PageHandler, directory=folder)
    return http.server.ThreadingHTTPServer((LOOPBACK, port), handler)


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    httpd = server(sys.argv[1], int(sys.argv[2]) if len(sys.argv) == 3 else 8000)
    print(f"ゾルバス: open http://{LOOPBACK}:{httpd.server_port}/ (Ctrl-C stops)", flush=True)
    try:
        httpd.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        httpd.server_close()


if __name__ == "__main__":
    main()
