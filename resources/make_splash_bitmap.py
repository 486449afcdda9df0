#!/usr/bin/env python3
"""Writes splash_135.bmp, the picture the program shows while it starts:
a blue field shading to a lighter blue, a white page with lines of
"text" on it, and a thin frame. 24 bits, 360 by 200. Run it from this
folder; the .bmp is committed."""
from bmp24 import write_bmp

W, H = 360, 200


def pixel(x, y):
    if x < 2 or y < 2 or x >= W - 2 or y >= H - 2:
        return (20, 40, 90)
    # The page.
    if 40 <= x < 150 and 25 <= y < 175:
        if 55 <= x < 135 and 45 <= y < 160 and (y - 45) % 12 < 4:
            short = (y - 45) // 12 % 3 == 2 and x >= 110
            return (255, 255, 255) if short else (60, 80, 140)
        return (255, 255, 255)
    # A lighter band where the product's name stands.
    if 175 <= x < 330 and 85 <= y < 115:
        return (230, 236, 250)
    t = y / H
    return (int(40 + 60 * t), int(70 + 80 * t), int(150 + 90 * t))


if __name__ == "__main__":
    write_bmp("splash_135.bmp", W, H, pixel)
