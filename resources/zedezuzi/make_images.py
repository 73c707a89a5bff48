#!/usr/bin/env python3
"""Draws the catalogue program's toolbar strip and icons as PNG files beside
this script, with the drawing helpers and the standard buttons of the main
program's script. Run it again after changing a drawing; the PNG files are
kept in the repository."""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', 'tovarine'))

import make_images as tv  # noqa: E402


def icon_table(color):
    """A ruled table: the result of a search."""
    t = tv.tile()
    t.rect(1, 2, 14, 13, tv.BLACK, tv.WHITE)
    t.line(1, 5, 14, 5, tv.BLACK)
    t.line(5, 2, 5, 13, tv.BLACK)
    for y in (8, 11):
        t.line(6, y, 13, y, color)
    return t


def icon_pair(color):
    """Two breakers one above the other: a search over pairs."""
    t = tv.tile()
    for y0 in (1, 8):
        t.rect(5, y0, 10, y0 + 5, tv.BLACK, tv.WHITE)
        t.line(6, y0 + 4, 9, y0 + 1, color)
    t.line(7, 6, 7, 8, tv.BLACK)
    return t


def icon_starter():
    """Motor with its starter: the co-ordination tables."""
    t = tv.tile()
    t.rect(2, 1, 7, 5, tv.BLACK, tv.WHITE)
    t.line(4, 6, 4, 8, tv.BLACK)
    t.circle(4, 11, 3, tv.BLACK, tv.WHITE)
    t.text(tv.FONT3, 'M', 3, 9, tv.BLACK)
    t.line(9, 4, 14, 4, tv.GREEN)
    t.line(9, 8, 14, 8, tv.GREEN)
    t.line(9, 12, 14, 12, tv.GREEN)
    return t


def icon_about():
    t = tv.tile()
    t.circle(7, 7, 6, tv.BLUE, tv.BLUE)
    t.rect(7, 6, 7, 10, tv.WHITE)
    t.set(7, 4, tv.WHITE)
    return t


def toolbar128():
    return tv.strip([
        tv.icon_new(), tv.icon_open(), tv.icon_save(),
        tv.icon_cut(), tv.icon_copy(), tv.icon_paste(),
        tv.icon_undo(),
        tv.icon_print(), tv.icon_preview(),
        icon_table(tv.BLUE), icon_pair(tv.BLUE), icon_pair(tv.RED), icon_starter(),
        icon_about(),
    ])


def program_icon(size, document=False):
    """A ruled table of breakers on the main program's navy ground."""
    c = tv.Canvas(size, size)
    s = size / 32.0

    def sc(v):
        return int(round(v * s))
    if document:
        c.rect(sc(5), sc(1), sc(26), sc(30), tv.BLACK, tv.WHITE)
        ink = tv.BLUE
    else:
        c.rect(sc(1), sc(1), sc(30), sc(30), tv.NAVY, tv.NAVY)
        ink = tv.WHITE
    c.rect(sc(7), sc(6), sc(24), sc(26), ink)
    c.line(sc(7), sc(11), sc(24), sc(11), ink)
    c.line(sc(13), sc(6), sc(13), sc(26), ink)
    for y in (16, 21):
        c.line(sc(14), sc(y), sc(23), sc(y), tv.YELLOW if not document else tv.RED)
    return c


def main():
    tv.write_png(os.path.join(HERE, 'toolbar128.png'), toolbar128())
    tv.write_png(os.path.join(HERE, 'zedezuzi.png'), program_icon(48))
    tv.write_png(os.path.join(HERE, 'zedezuzi-document.png'), program_icon(48, document=True))


if __name__ == '__main__':
    main()
