#!/usr/bin/env python3
"""Writes the eight-by-eight one-bit pattern bitmaps of the percent shadings
(shading_<id>.bmp, resources 5105 to 5115) from their rows. A 0 bit is
painted in the shading's fore colour, a 1 bit in its back colour.

Run it from this folder after changing a row; the .bmp files are committed.
"""
import struct

# Resource id, percent, rows from top to bottom, high bit leftmost.
PATTERNS = [
    (5105, 5, "ff ff ff fe ff ff ff ef"),
    (5108, 10, "ff ef ff fe ff ef ff fe"),
    (5109, 20, "ff bb ff ee ff bb ff ee"),
    (5110, 25, "bb ee bb ee bb ee bb ee"),
    (5111, 30, "77 aa dd aa 77 aa dd aa"),
    (5112, 40, "aa 5d aa 55 aa d5 aa 55"),
    (5113, 50, "55 aa 55 aa 55 aa 55 aa"),
    (5114, 60, "22 55 88 55 22 55 88 55"),
    # Darker than 60% (44 fore-colour pixels of 64 against 40), lighter than
    # 80% (48), so that the two styles paint apart.
    (5115, 70, "22 54 88 45 22 54 88 45"),
    (5106, 80, "11 44 11 44 11 44 11 44"),
    (5107, 90, "11 00 44 00 11 00 44 00"),
]

SIZE = 8
ROW_STRIDE = 4            # each one-byte row padded to four bytes
PALETTE = bytes([0, 0, 0, 0, 255, 255, 255, 0])   # black, white


def bitmap(rows):
    pixels = b"".join(bytes([r, 0, 0, 0]) for r in reversed(rows))   # bottom-up
    header_size = 14 + 40 + len(PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 1, 0, len(pixels), 2835, 2835, 2, 2)
    head = struct.pack("<2sIHHI", b"BM", header_size + len(pixels), 0, 0, header_size)
    return head + info + PALETTE + pixels


if __name__ == "__main__":
    for ident, _, text in PATTERNS:
        rows = [int(b, 16) for b in text.split()]
        assert len(rows) == SIZE
        with open("shading_%d.bmp" % ident, "wb") as f:
            f.write(bitmap(rows))
