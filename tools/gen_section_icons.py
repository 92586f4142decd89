#!/usr/bin/env python3
"""Draws the outline pictures of the 24 section shapes and "Unknown" as
24-bit .bmp files: NAME-big.bmp (96 x 96) and NAME-small.bmp (32 x 32).

    python3 tools/gen_section_icons.py resources/icons

Each shape is a list of polylines in a unit square (x to the right, y
down); closed outlines repeat their first point. Drawn and written by
tools/icons/canvas.py.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "icons"))
from canvas import circle, closed, pen_picture  # noqa: E402


I_SHAPE = closed([(.15, .1), (.85, .1), (.85, .2), (.56, .2), (.56, .8), (.85, .8), (.85, .9),
                  (.15, .9), (.15, .8), (.44, .8), (.44, .2), (.15, .2)])
L_SHAPE = closed([(.2, .1), (.32, .1), (.32, .78), (.85, .78), (.85, .9), (.2, .9)])
U_SHAPE = closed([(.25, .1), (.75, .1), (.75, .2), (.37, .22), (.37, .78), (.75, .8), (.75, .9),
                  (.25, .9)])
T_SHAPE = closed([(.1, .15), (.9, .15), (.9, .27), (.56, .27), (.56, .88), (.44, .88),
                  (.44, .27), (.1, .27)])
CUT_I = closed([(.1, .55), (.9, .55), (.9, .67), (.56, .67), (.56, .67), (.44, .67), (.44, .67),
                (.1, .67)]) + [(.44, .55), (.44, .12), (.56, .12), (.56, .55)]

SHAPES = {
    "ProfSectionI": [I_SHAPE],
    "ProfSectionCL": [L_SHAPE],
    "ProfSectionHL": [U_SHAPE],
    "ProfSectionCU": [[(.75, .12), (.3, .12), (.3, .88), (.75, .88)]],
    "ProfSectionT": [T_SHAPE],
    "ProfSectionOI": [[(.2, .3), (.15, .3), (.15, .12), (.85, .12), (.85, .3), (.8, .3)],
                      [(.5, .12), (.5, .88)],
                      [(.2, .7), (.15, .7), (.15, .88), (.85, .88), (.85, .7), (.8, .7)]],
    "ProfSectionOU": [[(.7, .3), (.75, .3), (.75, .12), (.3, .12), (.3, .88), (.75, .88),
                       (.75, .7), (.7, .7)]],
    "ProfSectionRect": [closed([(.1, .38), (.9, .38), (.9, .62), (.1, .62)])],
    "ProfSectionRound": [circle(.5, .5, .38)],
    "ProfSectionRectTube": [closed([(.15, .1), (.85, .1), (.85, .9), (.15, .9)]),
                            closed([(.25, .2), (.75, .2), (.75, .8), (.25, .8)])],
    "ProfSectionRoundTube": [circle(.5, .5, .4), circle(.5, .5, .3)],
    "ProfSectionC": [[(.72, .3), (.72, .12), (.3, .12), (.3, .88), (.72, .88), (.72, .7)]],
    "ProfSectionZ": [[(.2, .3), (.2, .12), (.5, .12), (.5, .88), (.8, .88), (.8, .7)]],
    "ProfSectionV": [[(.12, .2), (.5, .85), (.88, .2)]],
    "ProfSectionO": [[(.08, .8), (.28, .8), (.28, .2), (.72, .2), (.72, .8), (.92, .8)]],
    "ProfSectionQ": [[(.08, .2), (.28, .2), (.28, .8), (.72, .8), (.72, .2), (.92, .2)]],
    "ProfSectionCuttedI": [CUT_I],
    "ProfSectionSigma": [[(.72, .3), (.72, .12), (.3, .12), (.3, .35), (.42, .5), (.3, .65),
                          (.3, .88), (.72, .88), (.72, .7)]],
    "ProfSectionSigma+": [[(.82, .25), (.72, .12), (.3, .12), (.3, .35), (.42, .5), (.3, .65),
                           (.3, .88), (.72, .88), (.82, .75)]],
    "ProfSectionSigma Sleeve": [[(.72, .3), (.72, .12), (.3, .12), (.3, .35), (.42, .5),
                                 (.3, .65), (.3, .88), (.72, .88), (.72, .7)],
                                closed([(.2, .3), (.26, .3), (.26, .7), (.2, .7)])],
    "ProfSectionC+": [[(.82, .25), (.72, .12), (.3, .12), (.3, .88), (.72, .88), (.82, .75)]],
    "ProfSectionC Sleeve": [[(.72, .3), (.72, .12), (.3, .12), (.3, .88), (.72, .88), (.72, .7)],
                            closed([(.2, .3), (.26, .3), (.26, .7), (.2, .7)])],
    "ProfSectionSingle Cleat": [L_SHAPE, circle(.26, .4, .04, 16), circle(.6, .84, .04, 16)],
    "ProfSectionDouble Cleat": [closed([(.44, .1), (.48, .1), (.48, .78), (.88, .78), (.88, .9),
                                        (.44, .9)]),
                                closed([(.56, .1), (.52, .1), (.52, .78), (.12, .78), (.12, .9),
                                        (.56, .9)])],
    "Unknown": [closed([(.15, .15), (.85, .15), (.85, .85), (.15, .85)]),
                [(.35, .35), (.4, .25), (.6, .25), (.65, .35), (.5, .5), (.5, .62)],
                [(.5, .72), (.5, .76)]],
}


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "resources/icons"
    os.makedirs(folder, exist_ok=True)
    for name, lines in SHAPES.items():
        for suffix, size in (("big", 96), ("small", 32)):
            with open(os.path.join(folder, "%s-%s.bmp" % (name, suffix)), "wb") as f:
                f.write(pen_picture(lines, size).bmp())


if __name__ == "__main__":
    main()
