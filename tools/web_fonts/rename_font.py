#!/usr/bin/env python3
"""Gives a subset of an IPA font a name of its own.

Usage: rename_font.py INPUT.ttf OUTPUT.ttf FAMILY SOURCE_FAMILY

The IPA Font License Agreement v1.0 (Article 3.1 (4)) forbids a derived font
the original's name, or a name containing it, as its program, font or file
name. The copyright notice stays; a description names the source and the
licence. Fails if any of the font's names still holds the original's.
"""
import sys

from fontTools.ttLib import TTFont

# The original families' names in the IPA fonts' own records.
ORIGINAL_NAMES = ("IPAGothic", "IPAPGothic", "IPAゴシック", "IPA Pゴシック")
KEPT = (0, 2, 5)  # copyright, style, version
NAMES = (1, 3, 4, 6, 16, 17, 21, 22)  # the family, full, unique and PostScript names


def rename(font, family, source):
    table = font["name"]
    table.names = [r for r in table.names if r.nameID in KEPT]
    postscript = family.replace(" ", "")
    version = table.getDebugName(5) or ""
    for name_id, value in (
        (1, family),
        (3, f"{postscript} {version}".strip()),
        (4, family),
        (6, postscript),
        (13, f"A subset of {source} for the game ミナモリ!!, without hinting, licensed "
             "under the IPA Font License Agreement v1.0 (IPA_Font_License_Agreement_v1.0.txt)."),
    ):
        table.setName(value, name_id, 3, 1, 0x409)
    for record in (r for r in table.names if r.nameID in NAMES):
        text = record.toUnicode()
        if any(original in text for original in ORIGINAL_NAMES):
            sys.exit(f"rename_font.py: name {record.nameID} still says {text!r}")


def main():
    if len(sys.argv) != 5:
        sys.exit("usage: rename_font.py INPUT.ttf OUTPUT.ttf FAMILY SOURCE_FAMILY")
    source_path, output, family, source = sys.argv[1:]
    font = TTFont(source_path)
    rename(font, family, source)
    font.save(output)


if __name__ == "__main__":
    main()
