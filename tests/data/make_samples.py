#!/usr/bin/env python3
"""Writes the sample icons and cursors of tests/data (every depth, PNG entries,
a cursor with hot spots, odd but valid layouts, an animated cursor, an
Xcursor file) and the malformed files of tests/data/bad, each named after
what is wrong with it. They seed the fuzzer and the readers' regression
tests. Plain Python, no imaging library."""
import struct
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent
BAD = HERE / "bad"


def row_bytes(bits):
    return ((bits + 31) >> 5) << 2


def default_table(bpp):
    if bpp == 1:
        return [(0, 0, 0), (255, 255, 255)]
    if bpp == 4:
        return [(0, 0, 0), (255, 255, 255), (132, 130, 132), (198, 195, 198), (132, 0, 0), (255, 0, 0),
                (132, 130, 0), (255, 255, 0), (0, 255, 0), (0, 130, 0), (0, 130, 132), (0, 255, 255),
                (0, 0, 132), (0, 0, 255), (132, 0, 132), (255, 0, 255)]
    if bpp == 8:
        return [((8 * i) % 256,) * 3 for i in range(33)] + [
            (51 * r, 51 * g, 51 * b) for r in range(6) for g in range(6) for b in range(6)] + [(0, 0, 0)] * 7
    return []


def pixel_value(bpp, x, y, table_len):
    """A deterministic pattern in the depth's own raw form."""
    if bpp <= 8:
        return (x + 3 * y) % max(table_len, 1)
    if bpp == 16:
        return ((x * 2) & 31) << 10 | ((y * 2) & 31) << 5 | ((x + y) & 31)
    if bpp == 24:
        return (x * 16 & 255) << 16 | (y * 16 & 255) << 8 | ((x ^ y) * 8 & 255)
    alpha = 0 if (x + y) % 5 == 0 else 255 if x > 4 else 90
    return alpha << 24 | (x * 16 & 255) << 16 | (y * 16 & 255) << 8 | ((x ^ y) * 8 & 255)


def pack_row(bpp, values):
    if bpp >= 8:
        per = bpp // 8
        raw = b"".join(v.to_bytes(per, "little") for v in values)
    else:
        acc, n, out = 0, 0, bytearray()
        for v in values:
            acc, n = (acc << bpp) | v, n + bpp
            if n == 8:
                out.append(acc)
                acc, n = 0, 0
        if n:
            out.append(acc << (8 - n))
        raw = bytes(out)
    return raw + b"\0" * (row_bytes(len(values) * bpp) - len(raw))


def bmp_entry(w, h, bpp, colours_used=0, header_size=40, mask=None, alpha=True, compression=0):
    table = default_table(bpp)
    if colours_used:
        table = (table * 20)[:colours_used] if table else [(i, i, i) for i in range(colours_used)]
    header = struct.pack("<IiiHHIIiiII", header_size, w, 2 * h, 1, bpp, compression, 0, 0, 0, colours_used, 0)
    header += b"\0" * (header_size - 40)
    table_bytes = b"".join(bytes((b, g, r, 0)) for r, g, b in table)
    colour = b""
    for row in range(h):  # bottom-up
        y = h - 1 - row
        values = [pixel_value(bpp, x, y, len(table)) for x in range(w)]
        if bpp == 32 and not alpha:
            values = [v & 0xFFFFFF for v in values]
        colour += pack_row(bpp, values)
    mask_fn = mask or (lambda x, y: (x * y) % 7 == 1)
    mask_bytes = b"".join(pack_row(1, [1 if mask_fn(x, h - 1 - r) else 0 for x in range(w)]) for r in range(h))
    return header + table_bytes + colour + mask_bytes


def png_entry(w, h):
    raw = b"".join(b"\0" + bytes(v for x in range(w) for v in (x * 8 % 256, y * 8 % 256, 128, 0 if x == y else 200))
                   for y in range(h))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def block_size(block):
    if block[:4] == b"\x89PNG":
        return struct.unpack_from(">II", block, 16) if len(block) >= 24 else (0, 0)
    if len(block) < 12:
        return 0, 0
    w, h = struct.unpack_from("<ii", block, 4)
    return w, h // 2


def block_depth(block):
    if block[:4] == b"\x89PNG" or len(block) < 16:
        return 32
    return struct.unpack_from("<H", block, 14)[0]


def icon_file(blocks, kind=1, hotspots=None, count=None, offsets=None, sizes=None):
    count = len(blocks) if count is None else count
    out = struct.pack("<HHH", 0, kind, count)
    offset = 6 + 16 * len(blocks)
    for i, block in enumerate(blocks):
        hx, hy = hotspots[i] if hotspots else (1, block_depth(block))
        off = offsets[i] if offsets else offset
        size = sizes[i] if sizes else len(block)
        w, h = block_size(block)
        out += struct.pack("<BBBBHHII", w & 255, h & 255, 0, 0, hx, hy, size, off)
        offset += len(block)
    return out + b"".join(blocks)


def good_samples():
    yield "depths.ico", icon_file([bmp_entry(16, 16, b) for b in (1, 4, 8, 16, 24, 32)])
    for b in (1, 4, 8, 16, 24, 32):
        yield f"single-{b}bpp-odd-width.ico", icon_file([bmp_entry(13, 9, b)])
    yield "png-entry.ico", icon_file([bmp_entry(16, 16, 8), png_entry(32, 32)])
    yield "cursor-hotspots.cur", icon_file([bmp_entry(32, 32, 4), bmp_entry(16, 16, 32)], kind=2,
                                           hotspots=[(5, 7), (15, 0)])
    yield "alpha-all-zero-32bpp.ico", icon_file([bmp_entry(16, 16, 32, alpha=False)])
    yield "colours-used-20.ico", icon_file([bmp_entry(16, 16, 8, colours_used=20)])
    yield "header-124-bytes.ico", icon_file([bmp_entry(16, 16, 24, header_size=124)])
    blocks = [bmp_entry(16, 16, 4), bmp_entry(16, 16, 1)]
    gap = 6 + 32 + 17
    yield "blocks-reversed-with-gap.ico", icon_file(
        blocks, offsets=[gap + len(blocks[1]) + 3, gap], sizes=[len(b) for b in blocks])[:38] + b"\0" * 17 + \
        blocks[1] + b"\0" * 3 + blocks[0]


def bad_samples():
    good = bmp_entry(16, 16, 8)

    def patched(at, fmt, value, block=good):
        b = bytearray(block)
        struct.pack_into(fmt, b, at, value)
        return bytes(b)

    yield "bit-count-7.ico", icon_file([patched(14, "<H", 7)])
    yield "bitmap-header-size-below-40.ico", icon_file([patched(0, "<I", 12)])
    yield "bitmap-header-size-beyond-block.ico", icon_file([patched(0, "<I", 5000)])
    yield "width-zero.ico", icon_file([patched(4, "<i", 0)])
    yield "width-above-1024.ico", icon_file([patched(4, "<i", 2000)])
    yield "height-negative.ico", icon_file([patched(8, "<i", -32)])
    yield "compression-rle8.ico", icon_file([patched(16, "<I", 1)])
    yield "colours-used-above-depth.ico", icon_file([patched(32, "<I", 300)])
    yield "block-shorter-than-mask.ico", icon_file([good[:-10]])
    yield "block-shorter-than-header.ico", icon_file([good[:30]])
    yield "offset-near-4g-wraps.ico", icon_file([good], offsets=[0xFFFFFFF0], sizes=[0x20])
    yield "size-4g-lies.ico", icon_file([good], sizes=[0xFFFFFFFF])
    yield "count-lies-40-entries.ico", icon_file([good], count=40)
    yield "second-entry-bad.ico", icon_file([good, patched(14, "<H", 3)])
    yield "png-truncated.ico", icon_file([png_entry(32, 32)[:60]])
    yield "png-above-1024.ico", icon_file([png_entry(1100, 1)])
    # Found by the fuzzer: libpng allocated a text chunk's declared length
    # (288 MB) before noticing that the data ends.
    ihdr = png_entry(7, 7)[:33]
    yield "png-chunk-length-beyond-data.ico", icon_file(
        [ihdr + struct.pack(">I", 0x12000000) + b"zTXt" + b"\0" * 200])
    yield "file-header-type-3.ico", struct.pack("<HHH", 0, 3, 1) + icon_file([good])[6:]
    yield "file-header-reserved-nonzero.ico", struct.pack("<HHH", 1, 1, 1) + icon_file([good])[6:]
    yield "file-header-count-zero.ico", struct.pack("<HHH", 0, 1, 0)
    yield "riff-animated-cursor.cur", b"RIFF" + struct.pack("<I", 4) + b"ACON"


def chunk(kind, data):
    """A RIFF chunk, padded to an even length."""
    return kind + struct.pack("<I", len(data)) + data + (b"\0" if len(data) % 2 else b"")


def riff_list(kind, *chunks):
    return chunk(b"LIST", kind + b"".join(chunks))


def anih(frames, steps, jiffies, flags=1):
    return chunk(b"anih", struct.pack("<9I", 36, frames, steps, 0, 0, 0, 0, jiffies, flags))


def ani_file(*chunks):
    body = b"ACON" + b"".join(chunks)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def ani_frames():
    cursor = lambda bpp, hot: icon_file([bmp_entry(16, 16, bpp)], kind=2, hotspots=[hot])
    return [cursor(4, (1, 2)), cursor(32, (3, 4))]


def xcursor_file(images, positions=None):
    """images: (nominal size, width, height, xhot, yhot, delay); pixels are a
    premultiplied ramp."""
    header = struct.pack("<4sIII", b"Xcur", 16, 0x10000, len(images))
    offset = 16 + 12 * len(images)
    toc, chunks = b"", b""
    for k, (size, w, h, xhot, yhot, delay) in enumerate(images):
        pos = positions[k] if positions else offset
        toc += struct.pack("<III", 0xFFFD0002, size, pos)
        pixels = b"".join(struct.pack("<I", (a << 24) | (a // 2 << 16) | (a // 3 << 8) | a // 4)
                          for a in ((x * 9 + y * 5) % 256 for y in range(h) for x in range(w)))
        body = struct.pack("<9I", 36, 0xFFFD0002, size, 1, w, h, xhot, yhot, delay) + pixels
        chunks += body
        offset += len(body)
    return header + toc + chunks


def cursor_container_samples():
    frames = ani_frames()
    info = riff_list(b"INFO", chunk(b"INAM", b"Spin\0"), chunk(b"IART", b"Pixmint tests\0"))
    yield "animated-sequence.ani", ani_file(
        info, anih(2, 3, 6, 3), chunk(b"rate", struct.pack("<3I", 6, 12, 6)), chunk(b"seq ", struct.pack("<3I", 0, 1, 0)),
        riff_list(b"fram", *(chunk(b"icon", f) for f in frames)))
    yield "xcursor-two-sizes.xcur", xcursor_file([(16, 16, 16, 3, 4, 50), (16, 16, 16, 3, 4, 100),
                                                 (24, 24, 24, 5, 6, 50), (24, 24, 24, 5, 6, 100)])


def bad_cursor_container_samples():
    frames = ani_frames()
    fram = riff_list(b"fram", *(chunk(b"icon", f) for f in frames))
    good = anih(2, 2, 6)
    yield "riff-ani-anih-shorter-than-36.ani", ani_file(chunk(b"anih", b"\0" * 20), fram)
    yield "riff-ani-chunk-size-beyond-file.ani", ani_file(good, fram)[:-40]
    yield "riff-ani-frame-count-4g.ani", ani_file(anih(0xFFFFFFFF, 1, 6), fram)
    yield "riff-ani-sequence-beyond-frames.ani", ani_file(anih(2, 2, 6, 3), chunk(b"seq ", struct.pack("<2I", 0, 9)), fram)
    bad_frame = icon_file([bmp_entry(16, 16, 8)[:30]], kind=2)
    yield "riff-ani-second-frame-bad.ani", ani_file(
        good, riff_list(b"fram", chunk(b"icon", frames[0]), chunk(b"icon", bad_frame)))
    image = (16, 16, 16, 3, 4, 50)
    yield "xcursor-toc-count-huge", xcursor_file([image])[:12] + struct.pack("<I", 0x40000000) + \
        xcursor_file([image])[16:]
    yield "xcursor-pixels-beyond-file", xcursor_file([image])[:-4]
    yield "xcursor-chunks-overlap", xcursor_file([image, image], positions=[40, 40])
    yield "xcursor-hotspot-outside", xcursor_file([(16, 16, 16, 17, 4, 50)])
    yield "xcursor-width-zero", xcursor_file([(16, 0, 16, 0, 0, 50)])


def snapshot_bmp(w, h):
    """A 24-bit BMP as the undo history writes it."""
    stride = row_bytes(24 * w)
    rows = b"".join(pack_row(24, [pixel_value(24, x, h - 1 - r, 0) for x in range(w)]) for r in range(h))
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, stride * h, 0, 0, 0, 0)
    return b"BM" + struct.pack("<IHHI", 54 + len(rows), 0, 0, 54) + info + rows


def main():
    BAD.mkdir(exist_ok=True)
    (HERE / "snapshot-5x3.bmp").write_bytes(snapshot_bmp(5, 3))
    for name, data in good_samples():
        (HERE / name).write_bytes(data)
    for name, data in cursor_container_samples():
        (HERE / name).write_bytes(data)
    for name, data in bad_samples():
        (BAD / name).write_bytes(data)
    for name, data in bad_cursor_container_samples():
        (BAD / name).write_bytes(data)


if __name__ == "__main__":
    main()
