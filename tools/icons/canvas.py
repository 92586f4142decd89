"""The drawing and writing that the icon generators share: a canvas of
pixels, the pens that draw on it, and .bmp files of 24 or 32 bits.

Colours are (r, g, b) tuples; None is a transparent pixel (32-bit files
only). Pure standard library, so the pictures can be drawn again anywhere.
"""
import math
import struct


def circle(cx, cy, r, n=40):
    """A closed polyline of n sides around (cx, cy)."""
    return [(cx + r * math.cos(2 * math.pi * i / n), cy + r * math.sin(2 * math.pi * i / n))
            for i in range(n + 1)]


def closed(points):
    """The polyline with its first point repeated at its end."""
    return points + [points[0]]


class Canvas:
    def __init__(self, width, height, background=None):
        self.width, self.height = width, height
        self.px = [[background] * width for _ in range(height)]

    def dot(self, x, y, c):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = c

    def fill(self, x0, y0, x1, y1, c):  # inclusive corners
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.dot(x, y0, c)
            self.dot(x, y1, c)
        for y in range(y0, y1 + 1):
            self.dot(x0, y, c)
            self.dot(x1, y, c)

    def line(self, x0, y0, x1, y1, c):
        """A one-pixel line between whole pixels."""
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.dot(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), c)

    def polylines(self, lines, c=(0, 0, 0)):
        """Polylines given in a unit square (x to the right, y down), drawn
        across the canvas with a square pen a 40th of its side wide."""
        size = self.width
        width = max(1, size // 40)
        for line in lines:
            for (x0, y0), (x1, y1) in zip(line, line[1:]):
                x0, y0, x1, y1 = x0 * (size - 1), y0 * (size - 1), x1 * (size - 1), y1 * (size - 1)
                steps = max(1, int(max(abs(x1 - x0), abs(y1 - y0)) * 2))
                for s in range(steps + 1):
                    x = int(round(x0 + (x1 - x0) * s / steps))
                    y = int(round(y0 + (y1 - y0) * s / steps))
                    for dx in range(-width + 1, width):
                        for dy in range(-width + 1, width):
                            self.dot(x + dx, y + dy, c)
        return self

    def bmp(self, bits=24):
        """The canvas as a .bmp file, bottom row first: 24 bits (transparent
        pixels are not allowed) or 32 bits (transparent pixels clear)."""
        data = b""
        for row in reversed(self.px):
            if bits == 32:
                line = b"".join(bytes((0, 0, 0, 0)) if c is None else bytes((c[2], c[1], c[0], 255))
                                for c in row)
            else:
                line = b"".join(struct.pack("BBB", b, g, r) for (r, g, b) in row)
            data += line + b"\0" * (-len(line) % 4)
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, bits, 0, len(data),
                           2835, 2835, 0, 0)
        return header + info + data


def pen_picture(lines, size):
    """Polylines of a unit square drawn black on white at size x size."""
    return Canvas(size, size, (255, 255, 255)).polylines(lines)
