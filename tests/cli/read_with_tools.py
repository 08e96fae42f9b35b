#!/usr/bin/python3
"""usage: read_with_tools.py pillow|magick|icotool FILE OUTDIR

Reads an icon or cursor file with another program and writes, for each
directory entry i in file order, OUTDIR/TOOL-i.rgba (8-bit RGBA, rows top-down)
and a line "i width height hotx hoty" of OUTDIR/TOOL.txt (hot spot -1 -1 when
the tool reports none). Exit 3 when the tool is not installed."""
import io
import re
import shutil
import struct
import subprocess
import sys
from pathlib import Path

tool, path, out = sys.argv[1], sys.argv[2], Path(sys.argv[3])
data = bytearray(Path(path).read_bytes())
count = struct.unpack_from("<H", data, 4)[0]
offsets = [struct.unpack_from("<I", data, 6 + 16 * i + 12)[0] for i in range(count)]
lines = []
if tool != "magick":
    try:
        from PIL import IcoImagePlugin, Image
    except ImportError:
        sys.exit(3)
if tool == "pillow":
    # Its cursor reader loads one image and no mask: the file is read as an
    # icon with the directory's depths made up from the bitmap headers.
    if data[2] == 2:
        data[2] = 1
        for i, at in enumerate(offsets):
            png = data[at:at + 4] == b"\x89PNG"
            struct.pack_into("<H", data, 6 + 16 * i + 6, 32 if png else struct.unpack_from("<H", data, at + 14)[0])
    ico = IcoImagePlugin.IcoFile(io.BytesIO(bytes(data)))
    for i, at in enumerate(offsets):
        im = ico.frame(next(k for k, h in enumerate(ico.entry) if h["offset"] == at)).convert("RGBA")
        (out / f"pillow-{i}.rgba").write_bytes(im.tobytes())
        lines.append(f"{i} {im.width} {im.height} -1 -1")
elif tool == "magick":
    if not shutil.which("convert"):
        sys.exit(3)
    for i in range(count):
        size = subprocess.run(["identify", "-format", "%w %h", f"ICO:{path}[{i}]"], check=True, capture_output=True)
        subprocess.run(["convert", f"ICO:{path}[{i}]", "-depth", "8", f"RGBA:{out}/magick-{i}.rgba"], check=True)
        lines.append(f"{i} {size.stdout.decode().strip()} -1 -1")
elif tool == "icotool":
    if not shutil.which("icotool"):
        sys.exit(3)
    listing = subprocess.run(["icotool", "-l", path], check=True, capture_output=True, text=True).stdout
    subprocess.run(["icotool", "-x", "-o", str(out), path], check=True)
    for line in listing.splitlines():
        fields = dict(re.findall(r"--([a-z-]+)=(\d+)", line))
        i = int(fields["index"]) - 1
        im = Image.open(next(out.glob(f"*_{i + 1}_*.png"))).convert("RGBA")
        (out / f"icotool-{i}.rgba").write_bytes(im.tobytes())
        hot = f"{fields.get('hotspot-x', -1)} {fields.get('hotspot-y', -1)}"
        lines.append(f"{i} {fields['width']} {fields['height']} {hot}")
(out / f"{tool}.txt").write_text("".join(line + "\n" for line in lines))
