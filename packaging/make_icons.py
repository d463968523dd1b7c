#!/usr/bin/env python3
"""Draws the application icon in the desktop icon theme's sizes with the
same drawing code as the window icon (resources/make_pictures.py).

    icons/NxN.png   N x N RGBA PNG for N in SIZES

The 32 x 32 one is byte for byte resources/icon.png. The files are kept in
the repository like the window pictures, so building needs no Python; run
this again after changing the drawing:

    python3 packaging/make_icons.py
"""

import os
import sys

sys.dont_write_bytecode = True  # keep resources/ free of caches

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "resources"))

import make_pictures  # noqa: E402

SIZES = (16, 24, 32, 48, 64, 128, 256)


def main():
    for size in SIZES:
        data = make_pictures.png_rgba_bytes(make_pictures.draw_icon(size))
        path = os.path.join(HERE, "icons", "%dx%d.png" % (size, size))
        with open(path, "wb") as f:
            f.write(data)
        print("wrote %s (%d bytes)" % (path, len(data)))


if __name__ == "__main__":
    main()
