#!/usr/bin/python3
"""Cuts the IPA fonts down to the characters the game can show, as WOFF2.

The characters are every printable ASCII character (numbers, and reasons a
store gives for a failed save) and every other character in the files given:
the game's captions, box texts, help document and the page. The page then
looks the same on every system, without downloading whole CJK fonts.

usage: make_webfonts.py OUTPUT_FOLDER TEXT_FILE...
"""
import pathlib
import sys

from fontTools import subset

# The fonts that stand in for the designed Japanese ones, and their file
# names in the page.
FONTS = {
    "ipagp.woff2": "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf",
    "ipamp.woff2": "/usr/share/fonts/opentype/ipafont-mincho/ipamp.ttf",
}
PRINTABLE_ASCII = "".join(chr(c) for c in range(0x20, 0x7F))


def characters(paths):
    found = set(PRINTABLE_ASCII)
    for path in paths:
        text = pathlib.Path(path).read_text(encoding="utf-8")
        found.update(c for c in text if ord(c) > 0x7F and c.isprintable())
    return "".join(sorted(found))


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    output = pathlib.Path(sys.argv[1])
    output.mkdir(parents=True, exist_ok=True)
    text = characters(sys.argv[2:])
    (output / "glyphs.txt").write_text(text, encoding="utf-8")
    for name, source in FONTS.items():
        options = subset.Options()
        options.flavor = "woff2"
        font = subset.load_font(source, options)
        subsetter = subset.Subsetter(options)
        subsetter.populate(text=text)
        subsetter.subset(font)
        subset.save_font(font, str(output / name), options)


if __name__ == "__main__":
    main()
