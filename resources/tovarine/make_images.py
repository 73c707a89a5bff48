#!/usr/bin/env python3
"""Draws the main program's toolbar strips, icons and splash bitmap as PNG
files beside this script. Run it again after changing a drawing; the PNG
files are kept in the repository."""

import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)
GREY = (128, 128, 128, 255)
LIGHT = (192, 192, 192, 255)
BLUE = (0, 0, 160, 255)
NAVY = (16, 32, 96, 255)
RED = (192, 0, 0, 255)
GREEN = (0, 128, 0, 255)
YELLOW = (240, 200, 40, 255)
CYAN = (0, 128, 160, 255)
CLEAR = (0, 0, 0, 0)

# 5 x 7 capitals and digits, one string a row.
FONT5 = {
    'A': ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    'B': ["11110", "10001", "10001", "11110", "10001", "10001", "11110"],
    'C': ["01110", "10001", "10000", "10000", "10000", "10001", "01110"],
    'D': ["11110", "10001", "10001", "10001", "10001", "10001", "11110"],
    'E': ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    'G': ["01110", "10001", "10000", "10111", "10001", "10001", "01111"],
    'I': ["01110", "00100", "00100", "00100", "00100", "00100", "01110"],
    'L': ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    'M': ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    'N': ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    'O': ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    'R': ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    'S': ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    'T': ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    'V': ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    'Z': ["11111", "00001", "00010", "00100", "01000", "10000", "11111"],
    '2': ["01110", "10001", "00001", "00010", "00100", "01000", "11111"],
    ' ': ["00000"] * 7,
}

# 3 x 5 digits and a few letters for toolbar buttons.
FONT3 = {
    '0': ["111", "101", "101", "101", "111"],
    '1': ["010", "110", "010", "010", "111"],
    '2': ["111", "001", "111", "100", "111"],
    '3': ["111", "001", "111", "001", "111"],
    '4': ["101", "101", "111", "001", "001"],
    '5': ["111", "100", "111", "001", "111"],
    '6': ["111", "100", "111", "101", "111"],
    '7': ["111", "001", "010", "010", "010"],
    '8': ["111", "101", "111", "101", "111"],
    'I': ["111", "010", "010", "010", "111"],
    'c': ["000", "011", "100", "100", "011"],
    'u': ["000", "101", "101", "101", "011"],
    's': ["000", "011", "110", "011", "110"],
    'G': ["011", "100", "101", "101", "011"],
    'M': ["101", "111", "111", "101", "101"],
    'T': ["111", "010", "010", "010", "010"],
    'Z': ["111", "001", "010", "100", "111"],
    'L': ["100", "100", "100", "100", "111"],
}


class Canvas:
    def __init__(self, w, h, fill=CLEAR):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def line(self, x0, y0, x1, y1, c):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.set(x0, y0, c)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def rect(self, x0, y0, x1, y1, c, fill=None):
        if fill:
            for y in range(y0, y1 + 1):
                for x in range(x0, x1 + 1):
                    self.set(x, y, fill)
        self.line(x0, y0, x1, y0, c)
        self.line(x0, y1, x1, y1, c)
        self.line(x0, y0, x0, y1, c)
        self.line(x1, y0, x1, y1, c)

    def circle(self, cx, cy, r, c, fill=None):
        for y in range(cy - r - 1, cy + r + 2):
            for x in range(cx - r - 1, cx + r + 2):
                d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
                if fill and d < r - 0.5:
                    self.set(x, y, fill)
                if abs(d - r) < 0.55:
                    self.set(x, y, c)

    def text(self, font, s, x, y, c, scale=1):
        for ch in s:
            glyph = font[ch]
            for gy, row in enumerate(glyph):
                for gx, bit in enumerate(row):
                    if bit == '1':
                        for sy in range(scale):
                            for sx in range(scale):
                                self.set(x + gx * scale + sx, y + gy * scale + sy, c)
            x += (len(glyph[0]) + 1) * scale

    def blit(self, other, x0, y0):
        for y in range(other.h):
            for x in range(other.w):
                if other.px[y][x][3]:
                    self.set(x0 + x, y0 + y, other.px[y][x])


def write_png(path, canvas):
    raw = b''.join(b'\x00' + b''.join(struct.pack('4B', *p) for p in row) for row in canvas.px)

    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body) & 0xFFFFFFFF)

    png = b'\x89PNG\r\n\x1a\n'
    png += chunk(b'IHDR', struct.pack('>IIBBBBB', canvas.w, canvas.h, 8, 6, 0, 0, 0))
    png += chunk(b'IDAT', zlib.compress(raw, 9))
    png += chunk(b'IEND', b'')
    with open(path, 'wb') as f:
        f.write(png)


def tile():
    return Canvas(16, 15)


# Toolbar 128 ------------------------------------------------------------

def icon_new():
    t = tile()
    t.rect(3, 1, 12, 13, BLACK, WHITE)
    t.line(9, 1, 12, 4, BLACK)
    t.line(9, 1, 9, 4, BLACK)
    t.line(9, 4, 12, 4, BLACK)
    return t


def icon_open():
    t = tile()
    t.rect(1, 4, 13, 12, BLACK, YELLOW)
    t.rect(1, 3, 6, 4, BLACK, YELLOW)
    t.line(3, 7, 15, 7, BLACK)
    t.line(3, 7, 1, 12, BLACK)
    t.line(15, 7, 13, 12, BLACK)
    return t


def icon_save():
    t = tile()
    t.rect(1, 1, 14, 13, BLACK, BLUE)
    t.rect(4, 1, 11, 6, BLACK, WHITE)
    t.rect(4, 9, 11, 13, BLACK, LIGHT)
    return t


def icon_cut():
    t = tile()
    t.line(4, 1, 10, 9, BLACK)
    t.line(11, 1, 5, 9, BLACK)
    t.circle(4, 11, 2, BLUE)
    t.circle(11, 11, 2, BLUE)
    return t


def icon_copy():
    t = tile()
    t.rect(1, 1, 8, 9, BLACK, WHITE)
    t.rect(6, 5, 13, 13, BLACK, WHITE)
    for y in (7, 9, 11):
        t.line(8, y, 11, y, GREY)
    return t


def icon_paste():
    t = tile()
    t.rect(2, 2, 11, 13, BLACK, YELLOW)
    t.rect(5, 1, 8, 3, BLACK, LIGHT)
    t.rect(7, 6, 14, 13, BLACK, WHITE)
    return t


def icon_undo():
    t = tile()
    t.line(4, 5, 10, 5, BLUE)
    t.line(10, 5, 12, 7, BLUE)
    t.line(12, 7, 12, 10, BLUE)
    t.line(12, 10, 10, 12, BLUE)
    t.line(10, 12, 6, 12, BLUE)
    t.line(4, 5, 6, 3, BLUE)
    t.line(4, 5, 6, 7, BLUE)
    return t


def icon_print():
    t = tile()
    t.rect(4, 1, 11, 5, BLACK, WHITE)
    t.rect(1, 5, 14, 10, BLACK, LIGHT)
    t.rect(4, 9, 11, 13, BLACK, WHITE)
    t.set(12, 7, GREEN)
    return t


def icon_preview():
    t = tile()
    t.rect(1, 1, 9, 12, BLACK, WHITE)
    t.circle(9, 8, 3, BLACK, (200, 230, 255, 255))
    t.line(11, 10, 14, 13, BLACK)
    t.line(12, 10, 15, 13, BLACK)
    return t


def icon_digit(s, color=BLACK):
    t = tile()
    width = len(s) * 4 - 1
    t.rect(0, 0, 15, 14, GREY)
    t.text(FONT3, s, (16 - width) // 2, 5, color)
    return t


def icon_skeleton():
    t = tile()
    t.line(7, 0, 7, 14, BLACK)
    t.rect(5, 3, 9, 6, BLACK, RED)
    t.line(2, 9, 13, 9, BLACK)
    t.line(2, 9, 2, 14, BLACK)
    t.line(13, 9, 13, 14, BLACK)
    return t


def icon_coordination():
    t = tile()
    t.line(1, 0, 1, 14, BLACK)
    t.line(1, 14, 15, 14, BLACK)
    t.line(3, 1, 5, 6, RED)
    t.line(5, 6, 9, 9, RED)
    t.line(9, 9, 10, 12, RED)
    t.line(6, 1, 8, 5, BLUE)
    t.line(8, 5, 13, 8, BLUE)
    t.line(13, 8, 14, 12, BLUE)
    return t


def icon_report():
    t = tile()
    t.rect(1, 1, 14, 13, BLACK, WHITE)
    for y in (4, 7, 10):
        t.line(1, y, 14, y, GREY)
    t.line(6, 1, 6, 13, GREY)
    t.line(1, 4, 14, 4, BLACK)
    return t


def icon_impedance():
    t = tile()
    t.rect(1, 1, 14, 13, BLACK, WHITE)
    t.text(FONT3, 'Z', 3, 4, BLUE)
    t.line(8, 6, 13, 6, BLACK)
    t.line(8, 8, 13, 8, BLACK)
    return t


# Toolbar 154 and bitmap 111 ---------------------------------------------

def icon_source():
    t = tile()
    t.circle(7, 6, 5, BLACK, WHITE)
    t.line(4, 6, 5, 5, BLUE)
    t.line(5, 5, 6, 5, BLUE)
    t.line(6, 5, 8, 7, BLUE)
    t.line(8, 7, 9, 7, BLUE)
    t.line(9, 7, 10, 6, BLUE)
    t.line(7, 11, 7, 14, BLACK)
    return t


def icon_hvcb():
    t = tile()
    t.line(7, 0, 7, 3, BLACK)
    t.rect(4, 4, 10, 10, BLACK, RED)
    t.line(7, 11, 7, 14, BLACK)
    return t


def icon_transformer():
    t = tile()
    t.circle(7, 4, 3, BLACK)
    t.circle(7, 9, 3, BLACK)
    t.set(7, 0, BLACK)
    t.line(7, 13, 7, 14, BLACK)
    return t


def icon_lettered_circle(letters):
    t = tile()
    t.circle(7, 6, 5, BLACK, WHITE)
    width = len(letters) * 4 - 1
    t.text(FONT3, letters, 8 - (width + 1) // 2, 4, BLUE)
    t.line(7, 0, 7, 0, BLACK)
    return t


def icon_generator():
    t = icon_lettered_circle('G')
    t.line(7, 11, 7, 14, BLACK)
    return t


def icon_motor_effect():
    t = icon_lettered_circle('M')
    t.line(7, 0, 7, 1, BLACK)
    t.line(12, 1, 14, 1, RED)
    t.line(14, 1, 14, 3, RED)
    return t


def icon_zero_conductor():
    t = tile()
    t.rect(1, 5, 14, 8, BLACK, GREEN)
    t.line(7, 0, 7, 4, BLACK)
    t.line(7, 9, 7, 14, BLACK)
    return t


def icon_lvcb(direction=0):
    t = tile()
    if direction == 0:
        t.line(7, 0, 7, 4, BLACK)
        t.line(7, 4, 11, 9, BLACK)
        t.line(7, 10, 7, 14, BLACK)
        t.line(6, 3, 8, 5, RED)
        t.line(8, 3, 6, 5, RED)
    else:
        t.line(0, 7, 4, 7, BLACK)
        t.line(4, 7, 9, 3, BLACK)
        t.line(10, 7, 15, 7, BLACK)
        t.line(3, 6, 5, 8, RED)
        t.line(5, 6, 3, 8, RED)
        if direction == 1:
            t.line(12, 3, 14, 3, BLUE)
        else:
            t.line(1, 11, 3, 11, BLUE)
    return t


def icon_busduct(horizontal=False):
    t = tile()
    if horizontal:
        t.rect(0, 5, 15, 9, BLACK, LIGHT)
        t.line(0, 7, 15, 7, GREY)
    else:
        t.rect(5, 0, 9, 14, BLACK, LIGHT)
        t.line(7, 0, 7, 14, GREY)
    return t


def icon_busbar(horizontal=False):
    t = tile()
    if horizontal:
        t.rect(0, 6, 15, 8, BLACK, BLACK)
    else:
        t.rect(6, 0, 8, 14, BLACK, BLACK)
    return t


def icon_wire(horizontal=False):
    t = tile()
    if horizontal:
        t.line(0, 7, 15, 7, BLUE)
        t.line(4, 5, 6, 9, BLACK)
        t.line(9, 5, 11, 9, BLACK)
    else:
        t.line(7, 0, 7, 14, BLUE)
        t.line(5, 4, 9, 6, BLACK)
        t.line(5, 8, 9, 10, BLACK)
    return t


def icon_contactor():
    t = tile()
    t.line(7, 0, 7, 2, BLACK)
    t.line(7, 2, 10, 6, BLACK)
    t.circle(7, 7, 1, BLACK)
    t.line(7, 8, 7, 9, BLACK)
    t.rect(5, 9, 9, 12, BLACK, YELLOW)
    t.line(7, 13, 7, 14, BLACK)
    return t


def icon_motor():
    t = icon_lettered_circle('M')
    return t


def icon_load():
    t = tile()
    t.line(7, 0, 7, 6, BLACK)
    t.line(3, 7, 11, 7, BLACK)
    t.line(3, 7, 7, 13, BLACK)
    t.line(11, 7, 7, 13, BLACK)
    return t


def icon_capacitor():
    t = tile()
    t.line(7, 0, 7, 5, BLACK)
    t.line(2, 6, 12, 6, BLACK)
    t.line(2, 8, 12, 8, BLACK)
    t.line(7, 9, 7, 14, BLACK)
    return t


def icon_textbox():
    t = tile()
    t.rect(1, 1, 14, 13, BLACK, WHITE)
    t.text(FONT3, 'T', 6, 5, BLACK)
    return t


def icon_graph(sign):
    t = tile()
    t.line(1, 0, 1, 13, BLACK)
    t.line(1, 13, 13, 13, BLACK)
    t.line(3, 2, 6, 7, RED)
    t.line(6, 7, 10, 10, RED)
    if sign == '*':
        t.line(12, 1, 12, 5, BLUE)
        t.line(10, 3, 14, 3, BLUE)
        t.line(10, 1, 14, 5, BLUE)
        t.line(14, 1, 10, 5, BLUE)
    else:
        t.rect(11, 1, 13, 7, GREEN, GREEN)
        t.rect(9, 3, 15, 5, GREEN, GREEN)
    return t


def strip(tiles):
    c = Canvas(16 * len(tiles), 15)
    for i, t in enumerate(tiles):
        c.blit(t, 16 * i, 0)
    return c


def toolbar128():
    return strip([
        icon_new(), icon_open(), icon_save(),
        icon_cut(), icon_copy(), icon_paste(),
        icon_undo(),
        icon_print(), icon_preview(),
        icon_digit('1'), icon_digit('2'), icon_digit('3', RED), icon_digit('Icu', BLUE),
        icon_digit('Ics', BLUE),
        icon_digit('5'), icon_digit('6'), icon_digit('7'), icon_digit('8'),
        icon_skeleton(), icon_coordination(), icon_report(), icon_impedance(),
    ])


def toolbar154():
    return strip([
        icon_source(), icon_hvcb(), icon_transformer(), icon_generator(), icon_motor_effect(),
        icon_zero_conductor(), icon_lvcb(0), icon_busduct(False), icon_busbar(False),
        icon_wire(False), icon_contactor(), icon_motor(), icon_load(), icon_capacitor(),
        icon_lvcb(1), icon_lvcb(2), icon_busduct(True), icon_busbar(True), icon_wire(True),
    ])


def bitmap111():
    return strip([icon_textbox(), icon_graph('*'), icon_graph('+')])


# Icons and splash ---------------------------------------------------------

def program_icon(size, document=False):
    c = Canvas(size, size)
    s = size / 32.0

    def sc(v):
        return int(round(v * s))
    if document:
        c.rect(sc(5), sc(1), sc(26), sc(30), BLACK, WHITE)
        body = BLUE
    else:
        c.rect(sc(1), sc(1), sc(30), sc(30), NAVY, NAVY)
        body = WHITE
    mid = sc(16)
    c.line(mid, sc(3), mid, sc(11), body)
    c.line(mid, sc(11), sc(22), sc(18), YELLOW if not document else RED)
    c.line(mid, sc(19), mid, sc(24), body)
    c.line(sc(7), sc(24), sc(25), sc(24), body)
    c.line(sc(7), sc(24), sc(7), sc(28), body)
    c.line(sc(25), sc(24), sc(25), sc(28), body)
    return c


def splash():
    w, h = 560, 300
    c = Canvas(w, h)
    for y in range(h):
        k = y / h
        row = (int(16 + 20 * k), int(32 + 40 * k), int(96 + 70 * k), 255)
        for x in range(w):
            c.px[y][x] = row
    c.text(FONT5, 'TOVARINE2', 40, 40, WHITE, scale=6)
    c.line(40, 100, 520, 100, YELLOW)
    # A small single-line diagram: supply, transformer, bus-bar and feeders.
    x0 = 110
    c.circle(x0, 140, 12, WHITE)
    c.line(x0, 152, x0, 165, WHITE)
    c.circle(x0, 175, 10, WHITE)
    c.circle(x0, 189, 10, WHITE)
    c.line(x0, 199, x0, 215, WHITE)
    c.rect(40, 215, 250, 219, WHITE, WHITE)
    for fx in (70, 130, 190):
        c.line(fx, 220, fx, 236, WHITE)
        c.line(fx, 236, fx + 8, 246, YELLOW)
        c.line(fx, 250, fx, 270, WHITE)
        c.circle(fx, 279, 8, WHITE)
    return c


def main():
    write_png(os.path.join(HERE, 'toolbar128.png'), toolbar128())
    write_png(os.path.join(HERE, 'toolbar154.png'), toolbar154())
    write_png(os.path.join(HERE, 'bitmap111.png'), bitmap111())
    write_png(os.path.join(HERE, 'tovarine.png'), program_icon(48))
    write_png(os.path.join(HERE, 'tovarine-document.png'), program_icon(48, document=True))
    write_png(os.path.join(HERE, 'splash110.png'), splash())


if __name__ == '__main__':
    main()
