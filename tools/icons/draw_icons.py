#!/usr/bin/env python3
"""Draws the 16 x 16 pictures of the dialogs' icon buttons into resources/icons/
as iconNNN.bmp (NNN: the resource number a dialog gives its button), 32-bit
with a transparent background (tools/icons/canvas.py). Run it again after
changing a picture."""
import os
import sys

from canvas import Canvas

N = 16
INK = (40, 40, 40)
BLUE = (30, 90, 200)
GREEN = (30, 150, 40)
RED = (200, 30, 30)
YELLOW = (230, 180, 0)
PAPER = (255, 255, 255)
GREY = (150, 150, 150)
FOLDER = (230, 190, 80)


def triangle(i, up, c, top=4, height=7):
    for k in range(height):
        y = top + k if up else top + height - 1 - k
        i.line(7 - k, y, 8 + k, y, c)


def arrow(i, up, c):
    triangle(i, up, c, 2 if up else 7, 6)
    i.fill(6, 8 if up else 2, 9, 13 if up else 7, c)


def sheet(i, x0, y0, x1, y1):
    i.fill(x0, y0, x1, y1, PAPER)
    i.frame(x0, y0, x1, y1, INK)


def table(i):
    sheet(i, 1, 2, 14, 13)
    for y in (5, 8, 11):
        i.line(1, y, 14, y, GREY)
    i.line(6, 2, 6, 13, GREY)
    i.fill(2, 3, 13, 4, BLUE)


def draw(number):
    i = Canvas(N, N)
    if number in (257, 261):
        triangle(i, True, INK)
    elif number in (258, 262):
        triangle(i, False, INK)
    elif number == 227:
        arrow(i, True, BLUE)
    elif number == 228:
        arrow(i, False, BLUE)
    elif number == 206:
        for d in (0, 1):
            i.line(3 + d, 3, 12 + d, 12, RED)
            i.line(12 + d, 3, 3 + d, 12, RED)
    elif number == 212:
        i.fill(7, 2, 8, 13, GREEN)
        i.fill(2, 7, 13, 8, GREEN)
    elif number == 217:
        for k in range(9):
            i.line(3, 2 + k, 3 + k, 2 + k, INK)
        i.line(6, 10, 9, 14, INK)
        i.line(7, 10, 10, 14, INK)
    elif number == 218:  # from the front
        i.frame(3, 3, 12, 12, INK)
        i.fill(4, 4, 11, 11, (200, 215, 240))
    elif number == 220:  # from the top
        i.frame(2, 2, 13, 13, INK)
        i.line(2, 2, 13, 13, GREY)
        i.line(13, 2, 2, 13, GREY)
    elif number == 222:  # from the side
        i.frame(5, 1, 10, 14, INK)
        i.fill(6, 2, 9, 13, (200, 215, 240))
    elif number == 221:  # in 3D
        i.frame(2, 5, 10, 13, INK)
        i.line(2, 5, 5, 2, INK)
        i.line(10, 5, 13, 2, INK)
        i.line(10, 13, 13, 10, INK)
        i.line(5, 2, 13, 2, INK)
        i.line(13, 2, 13, 10, INK)
    elif number == 223:  # copy
        sheet(i, 1, 1, 9, 11)
        sheet(i, 6, 4, 14, 14)
    elif number == 224:  # paste
        i.fill(2, 2, 12, 14, FOLDER)
        i.frame(2, 2, 12, 14, INK)
        i.fill(5, 1, 9, 3, GREY)
        sheet(i, 7, 6, 14, 14)
    elif number in (225, 226):  # insert row, delete row
        table(i)
        i.fill(9, 9, 15, 10, GREEN if number == 225 else RED)
        if number == 225:
            i.fill(11, 7, 12, 12, GREEN)
    elif number == 238:  # find
        i.frame(2, 2, 9, 9, INK)
        i.fill(3, 3, 8, 8, (200, 230, 250))
        for d in (0, 1):
            i.line(9 + d, 10, 13 + d, 14, INK)
    elif number == 231:  # picture
        i.fill(1, 3, 14, 13, (190, 220, 250))
        i.frame(1, 3, 14, 13, INK)
        for k in range(5):
            i.line(3 + k, 12 - k, 11 - k, 12 - k, GREEN)
        i.fill(10, 5, 12, 7, YELLOW)
    elif number == 232:  # open
        i.fill(1, 4, 14, 13, FOLDER)
        i.frame(1, 4, 14, 13, INK)
        i.fill(1, 2, 6, 4, FOLDER)
        i.frame(1, 2, 6, 4, INK)
    elif number == 233:  # save
        i.fill(1, 1, 14, 14, BLUE)
        i.fill(4, 2, 11, 6, PAPER)
        i.fill(4, 10, 11, 14, GREY)
        i.frame(1, 1, 14, 14, INK)
    elif number == 235:  # width
        i.line(1, 7, 14, 7, INK)
        i.line(1, 8, 14, 8, INK)
        for k in range(4):
            i.line(1 + k, 7 - k, 1 + k, 8 + k, INK)
            i.line(14 - k, 7 - k, 14 - k, 8 + k, INK)
    elif number == 236:  # height
        i.line(7, 1, 7, 14, INK)
        i.line(8, 1, 8, 14, INK)
        for k in range(4):
            i.line(7 - k, 1 + k, 8 + k, 1 + k, INK)
            i.line(7 - k, 14 - k, 8 + k, 14 - k, INK)
    elif number == 237:  # clash
        i.line(10, 1, 4, 8, YELLOW)
        i.line(4, 8, 11, 8, YELLOW)
        i.line(11, 8, 5, 15, YELLOW)
        i.line(11, 1, 5, 8, YELLOW)
        i.line(10, 9, 4, 15, YELLOW)
    elif number == 259:  # standards
        table(i)
    else:
        raise SystemExit(f"no picture for {number}")
    return i.bmp(32)


NUMBERS = [206, 212, 217, 218, 220, 221, 222, 223, 224, 225, 226, 227, 228, 231, 232, 233,
           235, 236, 237, 238, 257, 258, 259, 261, 262]

if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "..", "resources", "icons")
    for n in NUMBERS:
        with open(os.path.join(out, f"icon{n}.bmp"), "wb") as f:
            f.write(draw(n))
