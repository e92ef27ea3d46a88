#!/usr/bin/env python3
"""Writes the page's app icons: the game's 32 x 32 icon (an XPM) scaled by a
whole number to each size without blur, as PNG files icon-SIZE.png.

usage: make_app_icons.py ICON_XPM OUTPUT_FOLDER SIZE...
"""
import pathlib
import re
import struct
import sys
import zlib


def read_xpm(path):
    """The picture as rows of (r, g, b, a) tuples."""
    strings = re.findall(r'"((?:[^"\\]|\\.)*)"', pathlib.Path(path).read_text())
    width, height, colours, chars = (int(v) for v in strings[0].split()[:4])
    palette = {}
    for line in strings[1:1 + colours]:
        key, value = line[:chars], line[chars:].split()[-1]
        palette[key] = (0, 0, 0, 0) if value.lower() == "none" else (
            int(value[1:3], 16), int(value[3:5], 16), int(value[5:7], 16), 255)
    rows = strings[1 + colours:1 + colours + height]
    return [[palette[row[x * chars:(x + 1) * chars]] for x in range(width)] for row in rows]


def png(rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\0" + bytes(v for pixel in row for v in pixel) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    picture = read_xpm(sys.argv[1])
    folder = pathlib.Path(sys.argv[2])
    folder.mkdir(parents=True, exist_ok=True)
    for size in (int(s) for s in sys.argv[3:]):
        if size % len(picture) or size % len(picture[0]):
            sys.exit(f"make_app_icons.py: {size} is not a whole multiple of the icon's size")
        factor = size // len(picture)
        scaled = [[p for p in row for _ in range(factor)] for row in picture for _ in range(factor)]
        (folder / f"icon-{size}.png").write_bytes(png(scaled))


if __name__ == "__main__":
    main()
