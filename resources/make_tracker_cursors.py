#!/usr/bin/env python3
"""Writes the tracker cursors (tracker_<id>.cur, resources 30983 to 30988):
32x32 one-bit cursors with a black double arrow (or a four-way cross) on a
white outline, hot spot in the middle.

Run it from this folder after changing a shape; the .cur files are committed.
"""
import struct

SIZE = 32
MID = 15
REACH = 10   # from the middle to an arrow's point
HEAD = 3     # length of an arrow head's sides

# Resource id and the directions of its arrows (unit steps).
CURSORS = [
    (30983, [(1, 1)]),            # top-left and bottom-right
    (30984, [(1, -1)]),           # top-right and bottom-left
    (30985, [(0, 1)]),            # top and bottom
    (30986, [(1, 0)]),            # left and right
    (30987, [(1, 0), (0, 1)]),    # move
    (30988, [(1, 0), (0, 1)]),    # move from the border
]


def shape(directions):
    black = set()
    for dx, dy in directions:
        for sign in (1, -1):
            sx, sy = dx * sign, dy * sign
            for t in range(REACH + 1):
                black.add((MID + sx * t, MID + sy * t))
            tipx, tipy = MID + sx * REACH, MID + sy * REACH
            # The head's two sides turn back from the tip at 45 degrees.
            for ax, ay in ((-sx - sy, -sy + sx), (-sx + sy, -sy - sx)):
                ux = (ax > 0) - (ax < 0)
                uy = (ay > 0) - (ay < 0)
                for t in range(1, HEAD + 1):
                    black.add((tipx + ux * t, tipy + uy * t))
    white = set()
    for x, y in black:
        for ox in (-1, 0, 1):
            for oy in (-1, 0, 1):
                p = (x + ox, y + oy)
                if p not in black and 0 <= p[0] < SIZE and 0 <= p[1] < SIZE:
                    white.add(p)
    return black, white


def cursor_bytes(directions):
    black, white = shape(directions)
    xor_rows, and_rows = [], []
    for y in reversed(range(SIZE)):   # bottom-up rows
        xor_bits = and_bits = 0
        for x in range(SIZE):
            bit = 1 << (SIZE - 1 - x)
            if (x, y) in white:
                xor_bits |= bit
            elif (x, y) not in black:
                and_bits |= bit       # transparent
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + b"".join(xor_rows) + b"".join(and_rows)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, MID, MID, len(image), 6 + 16)
    return directory + entry + image


for ident, directions in CURSORS:
    with open("tracker_%d.cur" % ident, "wb") as out:
        out.write(cursor_bytes(directions))
