#!/usr/bin/env python3
"""Writes the IPA Font License Agreement v1.0 out of Debian's copyright file.

Usage: extract_licence.py COPYRIGHT OUTPUT

The licence's stand-alone paragraph ("License: IPA-1" followed by its text,
each line indented by one space, " ." for an empty line) is written as plain
text: the Japanese agreement and the English one after it. Fails if the
paragraph is missing, so that the fonts are never shipped without it.
"""
import sys


def licence_text(lines, name):
    for start, line in enumerate(lines):
        if line.rstrip("\n") != f"License: {name}":
            continue
        text = []
        for body in lines[start + 1:]:
            if not body.startswith(" "):
                break
            body = body[1:].rstrip("\n")
            text.append("" if body == "." else body)
        if text:
            return "\n".join(text).rstrip() + "\n"
    return None


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: extract_licence.py COPYRIGHT OUTPUT")
    with open(sys.argv[1], encoding="utf-8") as f:
        text = licence_text(f.readlines(), "IPA-1")
    if not text or "IPA Font License Agreement v1.0" not in text:
        sys.exit(f"extract_licence.py: no IPA Font License Agreement v1.0 in {sys.argv[1]}")
    with open(sys.argv[2], "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
