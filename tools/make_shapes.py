#!/usr/bin/env python3
"""Draws Daubrix's glob shapes and writes them as BMP files into resources/shapes/.

Each family comes in three sizes, named "<family>-<size><name>.bmp" (size 0 small, 1 medium,
2 large). Shapes are drawn in red with brightness shading, which recolouring keeps, plus a few
white and grey highlight pixels, which recolouring leaves alone. The top-left pixel is the
background colour, a teal no shape pixel uses.

Usage: tools/make_shapes.py [output folder]   (default: resources/shapes beside this script)
"""

import colorsys
import math
import os
import random
import struct
import sys

BACKGROUND = (0, 128, 128)
SAMPLES = 4              # supersampling per axis when deciding coverage
LEVELS = 20              # brightness steps: a small palette of tones, like hand-made pixel art
LIGHT = (-0.35, -0.4)    # where the light falls on the shape, in shape coordinates


def blob(u, v):
    r = math.hypot(u, v)
    return r < 0.9 + 0.06 * math.sin(5 * math.atan2(v, u))


def soft_square(u, v):
    return u ** 4 + v ** 4 < 0.7


def star(u, v):
    r = math.hypot(u, v)
    f = (math.cos(5 * (math.atan2(v, u) + math.pi / 2)) + 1) / 2
    return r < 0.42 + 0.55 * f ** 2


def leaf(u, v):
    x = (u + v) / math.sqrt(2)
    y = (v - u) / math.sqrt(2)
    c, radius = 0.778, 1.228
    return x * x + (y - c) ** 2 < radius ** 2 and x * x + (y + c) ** 2 < radius ** 2


def ring(u, v):
    return 0.5 < math.hypot(u, v) < 0.95


def drop(u, v):
    if u * u + (v - 0.3) ** 2 < 0.62 ** 2:
        return True
    return -0.95 < v < 0.3 and abs(u) < 0.62 * (v + 0.95) / 1.25


def diamond(u, v):
    return abs(u) / 0.95 + abs(v) / 0.95 < 1


def crescent(u, v):
    return math.hypot(u, v) < 0.95 and math.hypot(u - 0.42, v + 0.28) > 0.72


def sparkle(u, v):
    return abs(u) ** 0.55 + abs(v) ** 0.55 < 0.97 ** 0.55 or math.hypot(u, v) < 0.22


def heart(u, v):
    x, y = u * 1.2, -(v * 1.25 + 0.1)
    return (x * x + y * y - 1) ** 3 - x * x * y ** 3 < 0


def make_hairy():
    rnd = random.Random(7)
    bristles = []
    for _ in range(16):
        t = rnd.uniform(-0.8, 0.8)
        angle = -0.5 + rnd.uniform(-0.08, 0.08)
        length = rnd.uniform(0.9, 1.7)
        cx, cy = -t * math.sin(angle), t * math.cos(angle)
        dx, dy = math.cos(angle) * length / 2, math.sin(angle) * length / 2
        bristles.append((cx - dx, cy - dy, cx + dx, cy + dy, rnd.uniform(0.06, 0.1)))

    def hairy(u, v):
        if math.hypot(u, v) > 0.97:
            return False
        for x0, y0, x1, y1, width in bristles:
            ex, ey = x1 - x0, y1 - y0
            t = max(0.0, min(1.0, ((u - x0) * ex + (v - y0) * ey) / (ex * ex + ey * ey)))
            if math.hypot(u - x0 - t * ex, v - y0 - t * ey) < width:
                return True
        return False
    return hairy


FAMILIES = [
    ('a', 'blob', blob, (8, 14, 22)),
    ('b', 'square', soft_square, (7, 12, 18)),
    ('c', 'star', star, (9, 15, 24)),
    ('d', 'leaf', leaf, (8, 14, 22)),
    ('e', 'ring', ring, (9, 14, 22)),
    ('f', 'drop', drop, (7, 13, 20)),
    ('g', 'hairy', make_hairy(), (9, 15, 26)),
    ('h', 'diamond', diamond, (9, 13, 21)),
    ('i', 'crescent', crescent, (8, 14, 22)),
    ('j', 'sparkle', sparkle, (9, 15, 25)),
    ('k', 'heart', heart, (8, 14, 22)),
]


def coverage(inside, x, y, size):
    hits = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            u = (x + (sx + 0.5) / SAMPLES) / size * 2 - 1
            v = (y + (sy + 0.5) / SAMPLES) / size * 2 - 1
            hits += inside(u, v)
    return hits / (SAMPLES * SAMPLES)


def shade(u, v):
    """Red, brightest where the light falls, a little paler right there."""
    distance = math.hypot(u - LIGHT[0], v - LIGHT[1])
    value = max(0.4, min(1.0, 1.05 - 0.5 * distance))
    value = round(value * LEVELS) / LEVELS
    saturation = 0.6 if distance < 0.28 else 1.0
    r, g, b = colorsys.hsv_to_rgb(0.0, saturation, value)
    return (round(r * 255), round(g * 255), round(b * 255))


def highlight_pixels(size, mask):
    """A white glint where the light falls, with grey beside it on larger shapes."""
    cx = int((LIGHT[0] + 1) / 2 * size)
    cy = int((LIGHT[1] + 1) / 2 * size)
    spots = {(cx, cy): (255, 255, 255)}
    if size >= 12:
        spots[(cx + 1, cy)] = (255, 255, 255)
        spots[(cx, cy + 1)] = (200, 200, 200)
    if size >= 18:
        spots[(cx + 1, cy + 1)] = (225, 225, 225)
        spots[(cx - 1, cy)] = (170, 170, 170)
    return {p: c for p, c in spots.items() if mask[p[1]][p[0]]}


def draw(inside, size):
    mask = [[coverage(inside, x, y, size) >= 0.5 for x in range(size)] for y in range(size)]
    assert not mask[0][0], 'the top-left pixel must stay background'
    glints = highlight_pixels(size, mask)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            if not mask[y][x]:
                row.append(BACKGROUND)
                continue
            u = (x + 0.5) / size * 2 - 1
            v = (y + 0.5) / size * 2 - 1
            row.append(glints.get((x, y), shade(u, v)))
            assert row[-1] != BACKGROUND
        rows.append(row)
    return rows


def bmp_bytes(rows):
    """24 bits per pixel, bottom-up rows, 40-byte info header."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) // 4 * 4
    bits = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        bits += line + bytes(stride - len(line))
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(bits), 2835, 2835, 0, 0)
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(bits), 0, 0, 14 + len(info))
    return header + info + bits


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', 'resources', 'shapes')
    os.makedirs(out, exist_ok=True)
    for family, name, inside, sizes in FAMILIES:
        for index, size in enumerate(sizes):
            path = os.path.join(out, f'{family}-{index}{name}.bmp')
            with open(path, 'wb') as f:
                f.write(bmp_bytes(draw(inside, size)))
    print(f'{len(FAMILIES) * 3} shapes written to {os.path.normpath(out)}')


if __name__ == '__main__':
    main()
