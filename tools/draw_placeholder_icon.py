#!/usr/bin/env python3
"""Draws the slide placeholder icon (a framed landscape) as a PNG with the standard library only."""
import struct
import sys
import zlib

W, H = 256, 256
BG = (0, 0, 0, 0)
FRAME = (142, 160, 181, 255)
SKY = (214, 224, 235, 255)
HILL = (120, 141, 166, 255)
SUN = (245, 247, 250, 255)


def pixel(x, y):
    if not (24 <= x < 232 and 48 <= y < 208):
        return BG
    if x < 36 or x >= 220 or y < 60 or y >= 196:
        return FRAME
    if (x - 170) ** 2 + (y - 96) ** 2 < 16 ** 2:
        return SUN
    # two hills: triangles rising from the bottom edge
    if y > 196 - (60 - abs(x - 90)) * 1.6 or y > 196 - (50 - abs(x - 160)) * 1.2:
        return HILL
    return SKY


def png(width, height, rows):
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in rows)
    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "src/assets/images/icon-big-image.png"
    with open(out, "wb") as f:
        f.write(png(W, H, [[pixel(x, y) for x in range(W)] for y in range(H)]))
