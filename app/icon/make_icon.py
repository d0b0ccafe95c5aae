#!/usr/bin/env python3
"""Draws the program's icon (a music note on a rounded blue tile) at 32x32
and 16x16 and writes them as one .ico file. Run it to remake program.ico."""
import math
import struct
import sys


def render(size):
    s = size / 32.0
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            px, py = (x + 0.5) / s, (y + 0.5) / s  # in 32-unit space
            # Rounded tile.
            r = 6.0
            dx = max(abs(px - 16) - (16 - r - 1), 0)
            dy = max(abs(py - 16) - (16 - r - 1), 0)
            inside = math.hypot(dx, dy) <= r
            if not inside:
                row.append((0, 0, 0, 0))
                continue
            t = py / 32.0
            color = (int(40 + 30 * t), int(120 - 40 * t), int(220 - 40 * t), 255)
            # The note: two heads and their stems joined by a beam.
            note = False
            for hx, hy in ((11.0, 23.0), (22.0, 20.5)):
                if ((px - hx) / 3.6) ** 2 + ((py - hy) / 2.7) ** 2 <= 1.0:
                    note = True
            if 13.2 <= px <= 15.0 and 8.5 <= py <= 23.0:
                note = True
            if 24.2 <= px <= 26.0 and 6.0 <= py <= 20.5:
                note = True
            beam_top = 8.5 - (px - 13.2) * (2.5 / 12.8)
            if 13.2 <= px <= 26.0 and beam_top <= py <= beam_top + 3.2:
                note = True
            row.append((255, 255, 255, 255) if note else color)
        pixels.append(row)
    return pixels


def bitmap(size):
    pixels = render(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b''.join(struct.pack('<BBBB', b, g, r, a)
                   for row in reversed(pixels) for (r, g, b, a) in row)
    stride = ((size + 31) // 32) * 4
    mask = b''
    for row in reversed(pixels):
        bits = 0
        line = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(line)
    return header + xor + mask


def main(path):
    images = [bitmap(32), bitmap(16)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(images)
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'program.ico')
