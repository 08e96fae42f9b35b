#!/usr/bin/python3
"""Reads an icon or cursor file with another program and writes, for each
directory entry i in file order, OUTDIR/TOOL-i.rgba (8-bit RGBA, rows top-down)
and one line "i width height hotx hoty" of OUTDIR/TOOL.txt (hot spot -1 -1
when the tool does not report one).

usage: read_with_tools.py TOOL FILE OUTDIR    TOOL: pillow, magick or icotool
Exit 3 when the tool is not installed."""
import io
import re
import shutil
import struct
import subprocess
import sys
from pathlib import Path


def directory(data):
    _, kind, count = struct.unpack_from("<HHH", data, 0)
    entries = [struct.unpack_from("<BBBBHHII", data, 6 + 16 * i) for i in range(count)]
    return kind, entries


def with_pillow(path, out):
    try:
        from PIL import IcoImagePlugin
    except ImportError:
        sys.exit(3)
    data = bytearray(Path(path).read_bytes())
    kind, entries = directory(data)
    if kind == 2:
        # The cursor reader of this library loads one image and no mask, so
        # the file is read as an icon with the directory's depth fields made
        # up from the bitmap headers.
        data[2] = 1
        for i, e in enumerate(entries):
            block = data[e[7]:e[7] + 16]
            depth = 32 if block[:4] == b"\x89PNG" else struct.unpack_from("<H", block, 14)[0]
            struct.pack_into("<H", data, 6 + 16 * i + 6, depth)
    ico = IcoImagePlugin.IcoFile(io.BytesIO(bytes(data)))
    lines = []
    for i, e in enumerate(entries):
        idx = next(k for k, h in enumerate(ico.entry) if h["offset"] == e[7])
        im = ico.frame(idx).convert("RGBA")
        (out / f"pillow-{i}.rgba").write_bytes(im.tobytes())
        lines.append(f"{i} {im.width} {im.height} -1 -1")
    return lines


def with_magick(path, out):
    if not shutil.which("convert"):
        sys.exit(3)
    _, entries = directory(Path(path).read_bytes())
    lines = []
    for i in range(len(entries)):
        frame = f"ICO:{path}[{i}]"
        size = subprocess.run(["identify", "-format", "%w %h", frame], check=True, capture_output=True, text=True)
        rgba = out / f"magick-{i}.rgba"
        subprocess.run(["convert", frame, "-depth", "8", f"RGBA:{rgba}"], check=True)
        lines.append(f"{i} {size.stdout.strip()} -1 -1")
    return lines


def with_icotool(path, out):
    if not shutil.which("icotool"):
        sys.exit(3)
    try:
        from PIL import Image  # decodes the PNG files that icotool extracts
    except ImportError:
        sys.exit(3)
    listing = subprocess.run(["icotool", "-l", path], check=True, capture_output=True, text=True).stdout
    pngs = out / "icotool-png"
    pngs.mkdir(exist_ok=True)
    subprocess.run(["icotool", "-x", "-o", str(pngs), path], check=True)
    lines = []
    for line in listing.splitlines():
        fields = dict(re.findall(r"--([a-z-]+)=(\d+)", line))
        i = int(fields["index"]) - 1
        found = list(pngs.glob(f"*_{i + 1}_*.png"))
        im = Image.open(found[0]).convert("RGBA")
        (out / f"icotool-{i}.rgba").write_bytes(im.tobytes())
        hx, hy = fields.get("hotspot-x", "-1"), fields.get("hotspot-y", "-1")
        lines.append(f"{i} {fields['width']} {fields['height']} {hx} {hy}")
    return lines


def main():
    tool, path, out = sys.argv[1], sys.argv[2], Path(sys.argv[3])
    readers = {"pillow": with_pillow, "magick": with_magick, "icotool": with_icotool}
    lines = readers[tool](path, out)
    (out / f"{tool}.txt").write_text("".join(line + "\n" for line in lines))


if __name__ == "__main__":
    main()
