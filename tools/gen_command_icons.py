#!/usr/bin/env python3
"""Draws the pictures of the macro editor's drawing commands as 24-bit .bmp
files of 24 x 24 pixels (Parallel.bmp, Distance.bmp, ...).

    python3 tools/gen_command_icons.py resources/icons

Each picture is a list of polylines in a unit square (x to the right, y
down), drawn with the section pictures' pen (tools/icons/canvas.py).
"""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "icons"))
from canvas import circle, closed, pen_picture  # noqa: E402


def arc(cx, cy, r, start, end, n=12):
    return [(cx + r * math.cos(start + (end - start) * i / n),
             cy - r * math.sin(start + (end - start) * i / n)) for i in range(n + 1)]


def arrow_line(x0, y0, x1, y1):
    """A dimension line with a tick at each end."""
    dx, dy = x1 - x0, y1 - y0
    length = math.hypot(dx, dy) or 1
    nx, ny = -dy / length * .12, dx / length * .12
    return [[(x0, y0), (x1, y1)], [(x0 - nx, y0 - ny), (x0 + nx, y0 + ny)],
            [(x1 - nx, y1 - ny), (x1 + nx, y1 + ny)]]


COMMANDS = {
    "Parallel": [[(.15, .8), (.55, .15)], [(.45, .85), (.85, .2)]],
    "Perpendicular": [[(.15, .85), (.85, .85)], [(.5, .85), (.5, .15)],
                      [(.5, .7), (.65, .7), (.65, .85)]],
    "Coincident": [[(.1, .5), (.9, .5)], circle(.5, .5, .12, 16)],
    "Symmetric": [[(.5, .1), (.5, .9)], closed([(.15, .35), (.35, .35), (.35, .65), (.15, .65)]),
                  closed([(.65, .35), (.85, .35), (.85, .65), (.65, .65)])],
    "Tangent": [circle(.45, .55, .3), [(.05, .25), (.95, .25)]],
    "Concentric": [circle(.5, .5, .38), circle(.5, .5, .18, 24)],
    "EqualRadius": [circle(.27, .5, .2, 24), circle(.73, .5, .2, 24), [(.42, .5), (.58, .5)]],
    "Distance": [[(.15, .15), (.15, .85)], [(.85, .15), (.85, .85)]] + arrow_line(.15, .5, .85, .5),
    "Angle": [[(.15, .85), (.9, .85)], [(.15, .85), (.75, .2)], arc(.15, .85, .45, 0, .83)],
    "Radius": [circle(.5, .5, .38), [(.5, .5), (.77, .23)], circle(.5, .5, .04, 8)],
    "AddModule": [closed([(.15, .25), (.65, .25), (.65, .75), (.15, .75)]),
                  [(.8, .35), (.8, .65)], [(.65, .5), (.95, .5)]],
    "BoltPattern": [circle(x, y, .1, 12) for x in (.3, .7) for y in (.3, .7)],
    "CoordSys": [[(.2, .8), (.85, .8)], [(.2, .8), (.2, .15)], [(.75, .72), (.85, .8), (.75, .88)],
                 [(.12, .25), (.2, .15), (.28, .25)]],
}


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "resources/icons"
    os.makedirs(folder, exist_ok=True)
    for name, lines in COMMANDS.items():
        with open(os.path.join(folder, name + ".bmp"), "wb") as f:
            f.write(pen_picture(lines, 24).bmp())


if __name__ == "__main__":
    main()
