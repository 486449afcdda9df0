#!/usr/bin/env python3
"""Writes tip_bulb_102.bmp, the light bulb of the tip of the day: a yellow
glass with a highlight and an outline, a grey screw base, on white (the
dialog flood-fills the white from the top-left pixel with its band colour).
24 bits, 26 by 32. Run it from this folder; the .bmp is committed."""
from bmp24 import write_bmp

W, H = 26, 32
WHITE = (255, 255, 255)
OUTLINE = (64, 64, 0)
GLASS = (255, 255, 96)
SHINE = (255, 255, 220)
BASE = (128, 128, 128)
BASE_DARK = (72, 72, 72)

CX, CY, R = 12.5, 11.0, 9.5


def pixel(x, y):
    # Glass: a circle narrowing into a neck above the base.
    d = ((x - CX) ** 2 + (y - CY) ** 2) ** 0.5
    neck = 17 <= y < 22 and abs(x - CX) <= 5.5 - (y - 17) * 0.3
    if d <= R or neck:
        edge = d > R - 1.2 and not neck or (neck and abs(x - CX) > 4.5 - (y - 17) * 0.3)
        if edge:
            return OUTLINE
        if ((x - 9) ** 2 + (y - 7) ** 2) < 6:
            return SHINE
        return GLASS
    # The screw base: grey bands, a dark tip.
    if 22 <= y < 29 and 8 <= x < 18:
        return BASE_DARK if (y - 22) % 2 == 1 else BASE
    if 29 <= y < 31 and 10 <= x < 16:
        return BASE_DARK
    return WHITE


if __name__ == "__main__":
    write_bmp("tip_bulb_102.bmp", W, H, pixel)
