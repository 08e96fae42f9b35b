#!/usr/bin/env python3
"""Writes the two sample files the screenshots show: a 32 x 32 icon with an
alpha channel (a soft-edged disc over a clear background) and a 32 x 32
16-colour cursor (an arrow with a white outline and a screen-inverting
shadow)."""
import struct
import sys


def directory(kind, entries):
    head = struct.pack('<HHH', 0, kind, len(entries))
    offset = 6 + 16 * len(entries)
    table = b''
    for width, height, colours, a, b, data in entries:
        table += struct.pack('<BBBBHHII', width, height, colours, 0, a, b, len(data), offset)
        offset += len(data)
    return head + table + b''.join(e[5] for e in entries)


def bitmap_header(width, height, bits, colours=0):
    return struct.pack('<IiiHHIIiiII', 40, width, height * 2, 1, bits, 0, 0, 0, 0, colours, 0)


def mask_bits(width, height, transparent):
    stride = ((width + 31) // 32) * 4
    out = b''
    for y in reversed(range(height)):
        row = bytearray(stride)
        for x in range(width):
            if transparent(x, y):
                row[x // 8] |= 0x80 >> (x % 8)
        out += bytes(row)
    return out


def icon_32bit():
    w = h = 32
    pixels = b''
    for y in reversed(range(h)):
        for x in range(w):
            d = ((x - 15.5) ** 2 + (y - 15.5) ** 2) ** 0.5
            alpha = max(0, min(255, int((14 - d) * 64)))
            r, g, b = 40 + x * 6, 120 + y * 3, 230 - x * 4
            if 6 <= x <= 25 and 13 <= y <= 18:
                r, g, b = 255, 255, 255
            pixels += bytes((b, g, r, alpha))
    data = bitmap_header(w, h, 32) + pixels + mask_bits(w, h, lambda x, y: False)
    return directory(1, [(w, h, 0, 1, 32, data)])


ARROW = [
    'k...............',
    'kk..............',
    'kwk.............',
    'kwwk............',
    'kwwwk...........',
    'kwwwwk..........',
    'kwwwwwk.........',
    'kwwwwwwk........',
    'kwwwwwwwk.......',
    'kwwwwwkkkk......',
    'kwwkwwk.........',
    'kwk.kwwk........',
    'kk..kwwk........',
    'k....kwwk.......',
    '.....kwwk.......',
    '......kk........',
]


def cursor_4bit():
    w = h = 32
    table = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
             (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
             (255, 0, 255), (0, 255, 255), (255, 255, 255)]

    def at(x, y):
        ax, ay = x // 2, y // 2
        return ARROW[ay][ax] if ay < 16 and ax < 16 else '.'

    def shadow(x, y):
        return at(x, y) == '.' and x >= 3 and y >= 3 and at(x - 3, y - 3) != '.'

    colour = b''
    for y in reversed(range(h)):
        row = bytearray(16)
        for x in range(w):
            ch = at(x, y)
            index = 0 if ch == 'k' else 15 if ch == 'w' or shadow(x, y) else 0
            row[x // 2] |= index << (4 if x % 2 == 0 else 0)
        colour += bytes(row)
    palette = b''.join(bytes((b, g, r, 0)) for r, g, b in table)
    data = (bitmap_header(w, h, 4, 16) + palette + colour +
            mask_bits(w, h, lambda x, y: at(x, y) == '.'))
    return directory(2, [(w, h, 16, 0, 0, data)])


def main(folder):
    with open(folder + '/sample32.ico', 'wb') as f:
        f.write(icon_32bit())
    with open(folder + '/sample.cur', 'wb') as f:
        f.write(cursor_4bit())


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else '.')
