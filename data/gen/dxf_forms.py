#!/usr/bin/env python3
"""Writes the three DXF form files of the co-ordination graph's DXF output
into data/beside/ (the build copies them beside the programs):

    python3 data/gen/dxf_forms.py

A form is an AutoCAD R12 text drawing: the linetypes and layers the graph's
entities use (linetypes CONTINUOUS, DASHED, DOT, DASHDOT and DIVIDE; layer 4
the curves, labels and marks, layer 7 the tolerance bands), a text style, and
in ENTITIES the empty graph the program draws into: frame, decade grid,
scale numbers and axis titles on layer 0. The program always lays a graph
out for the drawing from 2 to 30000 A and 0.01 to 10000 s in the rectangle
x 40 to 221.4 mm, y 120 to 380.6 mm, so the three forms share that grid;
they differ in their title, which names the current range of the graph the
program chose the form for (its lower current bound: not above 0.2 A, below
2 A, from 2 A). Python 3 standard library only; the output is deterministic.
"""

import math
import os

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "beside")

LEFT, BOTTOM, RIGHT, TOP = 40.0, 120.0, 221.4, 380.6
I_MIN, I_MAX = 2.0, 30000.0
T_MIN, T_MAX = 0.01, 10000.0

FORMS = [
    ("DIRORAVE.dxf", "Co-ordination graph (lower current bound up to 0.2 A)"),
    ("REDAZID.dxf", "Co-ordination graph (lower current bound 0.2 A to 2 A)"),
    ("DURUREVE.dxf", "Co-ordination graph (lower current bound from 2 A)"),
]

# name, description, pattern (dash > 0, gap < 0, dot 0), in mm.
LINETYPES = [
    ("CONTINUOUS", "Solid line", []),
    ("DASHED", "__ __ __", [2.0, -1.0]),
    ("DOT", ". . . .", [0.0, -1.0]),
    ("DASHDOT", "__ . __ .", [2.0, -1.0, 0.0, -1.0]),
    ("DIVIDE", "__ . . __", [2.0, -1.0, 0.0, -1.0, 0.0, -1.0]),
]

# name, colour
LAYERS = [("0", 7), ("4", 4), ("7", 1)]


def num(v):
    text = "%.4f" % v
    text = text.rstrip("0")
    return text + "0" if text.endswith(".") else text


class Writer:
    def __init__(self):
        self.lines = []

    def pair(self, code, value):
        self.lines.append(str(code))
        self.lines.append(value if isinstance(value, str) else num(value))

    def text(self):
        return "\n".join(self.lines) + "\n"


def x_of(current):
    return LEFT + (RIGHT - LEFT) * math.log10(current / I_MIN) / math.log10(I_MAX / I_MIN)


def y_of(time):
    return BOTTOM + (TOP - BOTTOM) * math.log10(time / T_MIN) / math.log10(T_MAX / T_MIN)


def steps(low, high):
    """1, 2, ... 9 times each power of ten from low to high, both included."""
    values = []
    v = low
    while v <= high * (1 + 1e-9):
        values.append(v)
        v = round(v + 10 ** math.floor(math.log10(v) + 1e-9), 6)
    return values


def label(v):
    return "%d" % v if v >= 1 else ("%f" % v).rstrip("0")


def form(title):
    w = Writer()
    w.pair(0, "SECTION")
    w.pair(2, "HEADER")
    w.pair(9, "$ACADVER")
    w.pair(1, "AC1009")
    w.pair(9, "$INSBASE")
    for code in (10, 20, 30):
        w.pair(code, 0.0)
    w.pair(9, "$EXTMIN")
    w.pair(10, 0.0)
    w.pair(20, 0.0)
    w.pair(9, "$EXTMAX")
    w.pair(10, 297.0)
    w.pair(20, 420.0)
    w.pair(0, "ENDSEC")

    w.pair(0, "SECTION")
    w.pair(2, "TABLES")
    w.pair(0, "TABLE")
    w.pair(2, "LTYPE")
    w.pair(70, str(len(LINETYPES)))
    for name, description, pattern in LINETYPES:
        w.pair(0, "LTYPE")
        w.pair(2, name)
        w.pair(70, "0")
        w.pair(3, description)
        w.pair(72, "65")
        w.pair(73, str(len(pattern)))
        w.pair(40, sum(abs(p) for p in pattern))
        for p in pattern:
            w.pair(49, p)
    w.pair(0, "ENDTAB")
    w.pair(0, "TABLE")
    w.pair(2, "LAYER")
    w.pair(70, str(len(LAYERS)))
    for name, colour in LAYERS:
        w.pair(0, "LAYER")
        w.pair(2, name)
        w.pair(70, "0")
        w.pair(62, str(colour))
        w.pair(6, "CONTINUOUS")
    w.pair(0, "ENDTAB")
    w.pair(0, "TABLE")
    w.pair(2, "STYLE")
    w.pair(70, "1")
    w.pair(0, "STYLE")
    w.pair(2, "STANDARD")
    w.pair(70, "0")
    w.pair(40, 0.0)
    w.pair(41, 1.0)
    w.pair(50, 0.0)
    w.pair(71, "0")
    w.pair(42, 2.5)
    w.pair(3, "txt")
    w.pair(4, "")
    w.pair(0, "ENDTAB")
    w.pair(0, "ENDSEC")

    w.pair(0, "SECTION")
    w.pair(2, "BLOCKS")
    w.pair(0, "ENDSEC")

    w.pair(0, "SECTION")
    w.pair(2, "ENTITIES")

    def line(x1, y1, x2, y2):
        w.pair(0, "LINE")
        w.pair(8, "0")
        w.pair(10, x1)
        w.pair(20, y1)
        w.pair(11, x2)
        w.pair(21, y2)

    def text(x, y, height, value, rotation=0.0):
        w.pair(0, "TEXT")
        w.pair(8, "0")
        w.pair(10, x)
        w.pair(20, y)
        w.pair(40, height)
        w.pair(1, value)
        if rotation:
            w.pair(50, rotation)

    for current in steps(I_MIN, I_MAX):
        line(x_of(current), BOTTOM, x_of(current), TOP)
        if current in (I_MIN, I_MAX) or math.log10(current).is_integer():
            text(x_of(current) - 2.0, BOTTOM - 6.0, 2.5, label(current))
    for time in steps(T_MIN, T_MAX):
        line(LEFT, y_of(time), RIGHT, y_of(time))
        if math.isclose(math.log10(time), round(math.log10(time))):
            text(LEFT - 14.0, y_of(time) - 1.2, 2.5, label(time))
    text((LEFT + RIGHT) / 2 - 15.0, BOTTOM - 14.0, 3.0, "Current(A)")
    text(LEFT - 20.0, (BOTTOM + TOP) / 2 - 20.0, 3.0, "Operating time(s)", 90.0)
    text(LEFT, TOP + 10.0, 3.5, title)
    w.pair(0, "ENDSEC")
    w.pair(0, "EOF")
    return w.text()


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, title in FORMS:
        with open(os.path.join(OUT, name), "w", newline="\n") as f:
            f.write(form(title))


if __name__ == "__main__":
    main()
