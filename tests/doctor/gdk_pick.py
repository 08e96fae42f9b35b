#!/usr/bin/python3
"""Loads an image with the GDK pixbuf loader (through ctypes, so no
development package is needed) and prints "width height red green blue" of
its centre pixel, or "none" when the loader refuses the file.

usage: gdk_pick.py FILE        Exit 3 when the library is missing."""
import ctypes
import sys

try:
    lib = ctypes.CDLL("libgdk_pixbuf-2.0.so.0")
except OSError:
    sys.exit(3)
p = ctypes.c_void_p
lib.gdk_pixbuf_new_from_file.restype = p
lib.gdk_pixbuf_new_from_file.argtypes = [ctypes.c_char_p, p]
for name in ("get_width", "get_height", "get_rowstride", "get_n_channels"):
    getattr(lib, "gdk_pixbuf_" + name).restype = ctypes.c_int
    getattr(lib, "gdk_pixbuf_" + name).argtypes = [p]
lib.gdk_pixbuf_get_pixels.restype = ctypes.POINTER(ctypes.c_ubyte)
lib.gdk_pixbuf_get_pixels.argtypes = [p]
pixbuf = lib.gdk_pixbuf_new_from_file(sys.argv[1].encode(), None)
if not pixbuf:
    print("none")
    sys.exit(0)
w, h = lib.gdk_pixbuf_get_width(pixbuf), lib.gdk_pixbuf_get_height(pixbuf)
at = (h // 2) * lib.gdk_pixbuf_get_rowstride(pixbuf) + (w // 2) * lib.gdk_pixbuf_get_n_channels(pixbuf)
px = lib.gdk_pixbuf_get_pixels(pixbuf)
print(w, h, px[at], px[at + 1], px[at + 2])
