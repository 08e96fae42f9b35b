#!/usr/bin/python3
"""Plays an animated cursor, or shows an image, with the GDK pixbuf loader
(through ctypes, so no development package is needed) and writes, for each
of the first STEPS steps, OUTDIR/step-K.rgba (8-bit RGBA, rows top-down) and one line
"width height delay_ms" of OUTDIR/steps.txt.

usage: read_ani_gdk.py FILE STEPS OUTDIR
Exit 1 when the loader refuses the file, 3 when the library is missing."""
import ctypes
import sys
from pathlib import Path


class TimeVal(ctypes.Structure):
    _fields_ = [("sec", ctypes.c_long), ("usec", ctypes.c_long)]


def library():
    try:
        lib = ctypes.CDLL("libgdk_pixbuf-2.0.so.0")
    except OSError:
        sys.exit(3)
    p, i = ctypes.c_void_p, ctypes.c_int
    signatures = [("animation_new_from_file", p, [ctypes.c_char_p, p]), ("animation_get_iter", p, [p, p]),
                  ("animation_iter_get_pixbuf", p, [p]), ("animation_iter_get_delay_time", i, [p]),
                  ("animation_iter_advance", i, [p, p]), ("get_width", i, [p]), ("get_height", i, [p]),
                  ("get_rowstride", i, [p]), ("get_n_channels", i, [p]), ("get_pixels", p, [p])]
    for name, result, args in signatures:
        function = getattr(lib, "gdk_pixbuf_" + name)
        function.restype, function.argtypes = result, args
    return lib


def main():
    path, steps, out = sys.argv[1], int(sys.argv[2]), Path(sys.argv[3])
    gdk = library()
    animation = gdk.gdk_pixbuf_animation_new_from_file(path.encode(), None)
    if not animation:
        sys.exit(1)
    now = 0
    iterator = gdk.gdk_pixbuf_animation_get_iter(animation, ctypes.byref(TimeVal(0, 0)))
    lines = []
    for k in range(steps):
        pixbuf = gdk.gdk_pixbuf_animation_iter_get_pixbuf(iterator)
        w, h = gdk.gdk_pixbuf_get_width(pixbuf), gdk.gdk_pixbuf_get_height(pixbuf)
        stride, channels = gdk.gdk_pixbuf_get_rowstride(pixbuf), gdk.gdk_pixbuf_get_n_channels(pixbuf)
        raw = ctypes.string_at(gdk.gdk_pixbuf_get_pixels(pixbuf), stride * (h - 1) + w * channels)
        pixels = [raw[y * stride + x * channels:y * stride + (x + 1) * channels] for y in range(h) for x in range(w)]
        (out / f"step-{k}.rgba").write_bytes(b"".join(px if channels == 4 else px + b"\xff" for px in pixels))
        delay = gdk.gdk_pixbuf_animation_iter_get_delay_time(iterator)
        lines.append(f"{w} {h} {delay}")
        now += delay
        gdk.gdk_pixbuf_animation_iter_advance(iterator, ctypes.byref(TimeVal(now // 1000, now % 1000 * 1000)))
    (out / "steps.txt").write_text("".join(line + "\n" for line in lines))


if __name__ == "__main__":
    main()
