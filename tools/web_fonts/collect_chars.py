#!/usr/bin/env python3
"""Writes every character the game can show, as UTF-8 text, for pyftsubset.

Usage: collect_chars.py OUTPUT SOURCE_DIR...

The game's texts are UTF-8 literals in its sources; taking every character of
every .cpp and .h (comments too) is a superset that needs no C++ parser. The
characters composed at run time are added: printable ASCII (numbers, the
player's paths in messages), the full-width forms and the ideographic space.
The output is rewritten only when it changes, so the fonts are not made anew
after an edit that brings no new character.
"""
import os
import sys

# Composed at run time, whatever the sources hold today.
RUNTIME = (
    [chr(c) for c in range(0x20, 0x7F)]        # printable ASCII
    + [chr(c) for c in range(0xFF01, 0xFF5F)]  # full-width ASCII, digits among them
    + ["\u3000", "\u25BC", "\u30FC", "\u3001", "\u3002"]  # 　▼ー、。
)


def source_files(roots):
    for root in roots:
        for folder, _, names in os.walk(root):
            for name in sorted(names):
                if name.endswith((".cpp", ".h")):
                    yield os.path.join(folder, name)


def characters(roots):
    found = set(RUNTIME)
    for path in source_files(roots):
        with open(path, encoding="utf-8") as f:
            found.update(ch for ch in f.read() if ch >= " ")
    found.discard("\x7f")
    return "".join(sorted(found))


def main():
    if len(sys.argv) < 3:
        sys.exit("usage: collect_chars.py OUTPUT SOURCE_DIR...")
    output, roots = sys.argv[1], sys.argv[2:]
    for root in roots:
        if not os.path.isdir(root):
            sys.exit(f"collect_chars.py: no folder {root}")
    text = characters(roots) + "\n"
    try:
        with open(output, encoding="utf-8") as f:
            if f.read() == text:
                return
    except FileNotFoundError:
        pass
    with open(output, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
