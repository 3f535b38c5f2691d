#!/usr/bin/env python3
"""Draws the default skin's pictures of the tab bar, the Go button, the favorites items and the
search bar.

Writes resources/skin/default/TaskBar.bmp (eleven 11 x 16 cells: new, loading 1-3, locked,
unread, protected, saved, close, read, marked), Go.bmp (16 x 16), FavBar.bmp (two 16 x 16
cells: folder, link) and SearchBar.bmp (four 16 x 16 cells: search, typed keyword, highlight,
find), as 24-bit bitmaps with
magenta (255, 0, 255) for "no picture here". Run it again after changing a picture:

    python3 scripts/draw-skin.py [OUTPUT_FOLDER]
"""
import math
import os
import struct
import sys

MAGENTA = (255, 0, 255)


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[MAGENTA] * width for _ in range(height)]

    def set(self, x, y, color):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = color

    def rect(self, x0, y0, x1, y1, color):  # inclusive corners
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, color)

    def frame(self, x0, y0, x1, y1, color):
        for x in range(x0, x1 + 1):
            self.set(x, y0, color)
            self.set(x, y1, color)
        for y in range(y0, y1 + 1):
            self.set(x0, y, color)
            self.set(x1, y, color)

    def disc(self, cx, cy, r, color, inner=0.0):
        for y in range(self.height):
            for x in range(self.width):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if inner <= d <= r:
                    self.set(x, y, color)

    def pie(self, cx, cy, r, fraction, color):
        """The part of a disc from twelve o'clock clockwise."""
        for y in range(self.height):
            for x in range(self.width):
                dx, dy = x + 0.5 - cx, y + 0.5 - cy
                if math.hypot(dx, dy) > r:
                    continue
                angle = (math.atan2(dx, -dy) / (2 * math.pi)) % 1.0
                if angle <= fraction + 1e-9:
                    self.set(x, y, color)

    def line(self, points, color):
        for (x0, y0), (x1, y1) in zip(points, points[1:]):
            steps = max(abs(x1 - x0), abs(y1 - y0), 1)
            for i in range(steps + 1):
                self.set(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), color)

    def paste(self, other, left):
        for y in range(other.height):
            for x in range(other.width):
                self.set(left + x, y, other.pixels[y][x])


def bmp_bytes(canvas):
    row = (canvas.width * 3 + 3) & ~3
    image = bytearray()
    for y in reversed(range(canvas.height)):  # bottom-up
        line = bytearray()
        for r, g, b in canvas.pixels[y]:
            line += bytes((b, g, r))
        image += line + b"\0" * (row - len(line))
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(image), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0, len(image),
                       2835, 2835, 0, 0)
    return header + info + bytes(image)


# --- The tab images (11 x 16; the image sits 3 pixels below the tab's top) -----------------

def cell():
    return Canvas(11, 16)


def new_tab():
    c = cell()
    c.rect(1, 3, 8, 13, (255, 255, 255))
    c.frame(1, 3, 8, 13, (110, 110, 110))
    c.rect(7, 3, 9, 5, MAGENTA)
    c.line([(7, 3), (9, 5)], (110, 110, 110))
    c.line([(9, 5), (9, 13)], (110, 110, 110))
    c.line([(8, 13), (9, 13)], (110, 110, 110))
    c.rect(4, 8, 6, 8, (40, 150, 60))
    c.rect(5, 7, 5, 9, (40, 150, 60))
    return c


def loading(step):
    c = cell()
    c.disc(5.5, 8.5, 4.9, (130, 140, 165))
    c.disc(5.5, 8.5, 4.0, (235, 240, 250))
    c.pie(5.5, 8.5, 4.0, step / 3.0, (50, 110, 220))
    return c


def locked():
    c = cell()
    c.disc(5.5, 6.5, 3.6, (120, 120, 120), inner=2.3)
    c.rect(0, 7, 10, 9, MAGENTA)
    c.rect(2, 7, 2, 8, (120, 120, 120))
    c.rect(8, 7, 8, 8, (120, 120, 120))
    c.rect(1, 8, 9, 14, (215, 170, 40))
    c.frame(1, 8, 9, 14, (150, 110, 20))
    c.rect(5, 10, 5, 12, (90, 60, 10))
    return c


def unread():
    c = cell()
    c.disc(5.5, 8.5, 3.8, (30, 100, 220))
    c.set(4, 7, (150, 195, 255))
    return c


def protected_tab():
    c = cell()
    outline = (150, 30, 30)
    for y in range(3, 15):
        half = 4 if y < 10 else max(0, 4 - (y - 9))
        c.rect(5 - half, y, 5 + half, y, (220, 70, 50))
        c.set(5 - half, y, outline)
        c.set(5 + half, y, outline)
    c.rect(1, 3, 9, 3, outline)
    c.rect(5, 5, 5, 11, (255, 230, 220))
    return c


def saved():
    c = cell()
    c.rect(0, 4, 10, 14, (40, 70, 140))
    c.rect(2, 4, 8, 8, (235, 235, 235))
    c.rect(3, 11, 7, 14, (170, 170, 180))
    c.rect(6, 12, 6, 13, (40, 70, 140))
    return c


def close():
    c = cell()
    c.rect(0, 3, 10, 13, (200, 50, 40))
    c.frame(0, 3, 10, 13, (140, 25, 20))
    c.set(0, 3, MAGENTA), c.set(10, 3, MAGENTA), c.set(0, 13, MAGENTA), c.set(10, 13, MAGENTA)
    white = (255, 255, 255)
    for i in range(6):
        c.rect(2 + i, 5 + i, 3 + i, 5 + i, white)
        c.rect(7 - i, 5 + i, 8 - i, 5 + i, white)
    return c


def read():
    c = cell()
    gray = (120, 130, 120)
    c.line([(1, 8), (4, 11), (9, 5)], gray)
    c.line([(1, 9), (4, 12), (9, 6)], gray)
    return c


def marked():
    c = cell()
    c.rect(1, 3, 1, 15, (90, 70, 40))
    c.rect(2, 3, 9, 8, (250, 200, 30))
    c.rect(7, 5, 9, 6, MAGENTA)
    c.set(8, 4, MAGENTA)
    c.set(8, 7, MAGENTA)
    c.frame(2, 3, 9, 8, (190, 140, 0))
    c.rect(7, 5, 9, 6, MAGENTA)
    return c


TAB_IMAGES = [new_tab, lambda: loading(1), lambda: loading(2), lambda: loading(3), locked, unread,
              protected_tab, saved, close, read, marked]


def task_bar():
    strip = Canvas(11 * len(TAB_IMAGES), 16)
    for i, draw in enumerate(TAB_IMAGES):
        strip.paste(draw(), 11 * i)
    return strip


def go_button():
    c = Canvas(16, 16)
    c.disc(8, 8, 7.6, (30, 120, 50))
    c.disc(8, 8, 6.6, (60, 180, 80))
    white = (255, 255, 255)
    c.rect(3, 7, 9, 8, white)
    for i in range(5):
        c.rect(9 + i, 3 + i, 9 + i, 12 - i, white)
    return c


# --- The favorites bars' and the address box's items (16 x 16: folder, link) ---------------

def folder():
    c = Canvas(16, 16)
    edge = (170, 120, 20)
    c.rect(1, 3, 6, 4, (240, 200, 90))
    c.frame(1, 3, 6, 4, edge)
    c.rect(1, 5, 14, 13, (250, 210, 100))
    c.frame(1, 5, 14, 13, edge)
    c.rect(2, 6, 13, 6, (255, 235, 160))
    return c


def link():
    c = Canvas(16, 16)
    c.rect(2, 1, 11, 14, (255, 255, 255))
    c.frame(2, 1, 11, 14, (110, 110, 110))
    c.disc(10, 10, 5.2, (30, 100, 200))
    c.disc(10, 10, 4.2, (90, 160, 240))
    white = (255, 255, 255)
    c.rect(6, 9, 14, 10, white)
    c.rect(9, 6, 10, 14, white)
    return c


def fav_bar():
    strip = Canvas(32, 16)
    strip.paste(folder(), 0)
    strip.paste(link(), 16)
    return strip


# --- The search bar (16 x 16: search, typed keyword, highlight, find) ------------------------

def magnifier(c, glass=(200, 230, 255)):
    rim = (40, 60, 110)
    c.disc(6, 6, 5.2, rim)
    c.disc(6, 6, 3.8, glass)
    c.line([(9, 9), (14, 14)], rim)
    c.line([(10, 9), (14, 13)], rim)
    c.line([(9, 10), (13, 14)], rim)


def search():
    c = Canvas(16, 16)
    magnifier(c)
    return c


def keyword():
    c = Canvas(16, 16)
    ink = (60, 60, 60)
    c.rect(1, 3, 14, 12, (255, 255, 255))
    c.frame(1, 3, 14, 12, (120, 120, 120))
    for x0 in (3, 7, 11):
        c.rect(x0, 7, x0 + 2, 8, ink)
    return c


def highlight():
    c = Canvas(16, 16)
    c.rect(1, 9, 14, 14, (255, 240, 0))
    c.rect(3, 10, 12, 13, (220, 30, 30))
    c.line([(6, 1), (11, 6)], (80, 80, 80))
    c.line([(5, 2), (10, 7)], (120, 120, 120))
    c.rect(9, 6, 11, 8, (255, 240, 0))
    return c


def find():
    c = Canvas(16, 16)
    c.rect(1, 1, 11, 14, (255, 255, 255))
    c.frame(1, 1, 11, 14, (110, 110, 110))
    for y in (3, 5, 7):
        c.rect(3, y, 9, y, (150, 150, 150))
    magnifier(c, (255, 240, 120))
    return c


def search_bar():
    strip = Canvas(64, 16)
    for i, draw in enumerate((search, keyword, highlight, find)):
        strip.paste(draw(), 16 * i)
    return strip


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "skin",
                                                             "default")
    os.makedirs(out, exist_ok=True)
    for name, canvas in (("TaskBar.bmp", task_bar()), ("Go.bmp", go_button()),
                         ("FavBar.bmp", fav_bar()), ("SearchBar.bmp", search_bar())):
        with open(os.path.join(out, name), "wb") as f:
            f.write(bmp_bytes(canvas))


if __name__ == "__main__":
    main()
