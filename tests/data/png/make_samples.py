#!/usr/bin/env python3
"""Writes small PNG files of every colour type and bit depth, each beside a
.rgba file holding the 8-bit RGBA pixels a decoder must produce (rows top-down).
Plain zlib, so that the samples do not depend on any imaging library."""
import struct
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent
W, H = 5, 3


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def pack_bits(values, depth):
    out, acc, n = bytearray(), 0, 0
    for v in values:
        acc = (acc << depth) | v
        n += depth
        if n == 8:
            out.append(acc)
            acc, n = 0, 0
    if n:
        out.append(acc << (8 - n))
    return bytes(out)


def png(colour_type, depth, rows, extra=b"", interlaced=False):
    """rows: lists of samples per row (already flattened per pixel)."""
    ihdr = struct.pack(">IIBBBBB", W, H, depth, colour_type, 0, 0, 1 if interlaced else 0)
    raw = bytearray()
    if interlaced:
        passes = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]
        per_pixel = len(rows[0]) // W
        for x0, y0, dx, dy in passes:
            xs = range(x0, W, dx)
            if not xs:
                continue
            for y in range(y0, H, dy):
                samples = [s for x in xs for s in rows[y][x * per_pixel:(x + 1) * per_pixel]]
                raw += b"\0" + encode(samples, depth)
    else:
        for r in rows:
            raw += b"\0" + encode(r, depth)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + extra + chunk(b"IDAT", zlib.compress(bytes(raw)))
            + chunk(b"IEND", b""))


def encode(samples, depth):
    if depth < 8:
        return pack_bits(samples, depth)
    if depth == 16:
        return b"".join(struct.pack(">H", s) for s in samples)
    return bytes(samples)


def write(name, data, rgba):
    (HERE / f"{name}.png").write_bytes(data)
    (HERE / f"{name}.rgba").write_bytes(bytes(v for px in rgba for v in px))


def main():
    coords = [(x, y) for y in range(H) for x in range(W)]
    # Grey, 1 bit: a checkerboard.
    g1 = [[(x + y) % 2 for x in range(W)] for y in range(H)]
    write("grey1", png(0, 1, g1), [(255 * v,) * 3 + (255,) for r in g1 for v in r])
    # Grey, 2 bits, with a transparent level (tRNS).
    g2 = [[(x + 2 * y) % 4 for x in range(W)] for y in range(H)]
    write("grey2_trns", png(0, 2, g2, chunk(b"tRNS", struct.pack(">H", 1))),
          [(85 * v,) * 3 + (0 if v == 1 else 255,) for r in g2 for v in r])
    # Grey, 16 bits: scaled down to 8 bits with rounding.
    g16 = [[x * 13000 + y * 700 for x in range(W)] for y in range(H)]
    write("grey16", png(0, 16, g16), [((v * 255 + 32767) // 65535,) * 3 + (255,) for r in g16 for v in r])
    # Grey and alpha, 8 bits.
    ga = [[s for x in range(W) for s in (x * 50, y * 100)] for y in range(H)]
    write("grey_alpha8", png(4, 8, ga), [(x * 50,) * 3 + (y * 100,) for x, y in coords])
    # RGB, 16 bits.
    rgb16 = [[s for x in range(W) for s in (x * 16000, y * 30000, 65535 - x * 1000)] for y in range(H)]
    write("rgb16", png(2, 16, rgb16),
          [tuple((v * 255 + 32767) // 65535 for v in (x * 16000, y * 30000, 65535 - x * 1000)) + (255,)
           for x, y in coords])
    # Palette, 4 bits, with partial transparency.
    palette = [(10 * i, 255 - 10 * i, (37 * i) % 256) for i in range(6)]
    alphas = [0, 128, 255]
    p4 = [[(x + y) % 6 for x in range(W)] for y in range(H)]
    extra = chunk(b"PLTE", bytes(v for c in palette for v in c)) + chunk(b"tRNS", bytes(alphas))
    write("palette4_trns", png(3, 4, p4, extra),
          [palette[v] + (alphas[v] if v < len(alphas) else 255,) for r in p4 for v in r])
    # RGBA, 8 bits, interlaced.
    rgba = [[s for x in range(W) for s in (x * 60, y * 120, 200, 40 * x + 10)] for y in range(H)]
    write("rgba8_interlaced", png(6, 8, rgba, interlaced=True), [(x * 60, y * 120, 200, 40 * x + 10) for x, y in coords])


if __name__ == "__main__":
    main()
