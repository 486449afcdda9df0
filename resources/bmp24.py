"""Writes a 24-bit Windows bitmap from a function that gives each pixel's
(red, green, blue); shared by the scripts that draw the resources' pictures."""
import struct


def write_bmp(path, width, height, pixel):
    row = width * 3
    pad = (4 - row % 4) % 4
    data = bytearray()
    # Rows are stored from the bottom up, each padded to 32 bits.
    for y in range(height - 1, -1, -1):
        for x in range(width):
            r, g, b = pixel(x, y)
            data += bytes((b, g, r))
        data += b"\0" * pad
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)
