#!/usr/bin/env python3
"""Draws the manual's picture of the cursor scaler: a 32-pixel arrow made at
48 and 96 pixels by pixmint-cli, each shown at the same screen size with its
hot spot marked, so that the pixels can be compared.

Usage: cursor_sizes.py PIXMINT_CLI  (writes docs/manual-cursor-sizes.png)"""
import os
import subprocess
import sys
import tempfile

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "manual-cursor-sizes.png")
SHOWN = 300  # every size drawn this large
ARROW = [
    "X...........",
    "XX..........",
    "XwX.........",
    "XwwX........",
    "XwwwX.......",
    "XwwwwX......",
    "XwwwwwX.....",
    "XwwwwwwX....",
    "XwwwwwwwX...",
    "XwwwwwwwwX..",
    "XwwwwwwwwwX.",
    "XwwwwwwXXXXX",
    "XwwwXwwX....",
    "XwwX.XwwX...",
    "XwX..XwwX...",
    "XX....XwwX..",
    "X.....XwwX..",
    ".......XX...",
]


def arrow(path):
    """A pixel arrow with a soft shadow, hot spot at its tip (2, 2)."""
    picture = Image.new("RGBA", (32, 32), (0, 0, 0, 0))
    for dy, dx in ((1, 1), (2, 2)):
        for y, row in enumerate(ARROW):
            for x, c in enumerate(row):
                if c != "." and picture.getpixel((x + 2 + dx, y + 2 + dy))[3] == 0:
                    picture.putpixel((x + 2 + dx, y + 2 + dy), (0, 0, 0, 60 // dy))
    for y, row in enumerate(ARROW):
        for x, c in enumerate(row):
            if c != ".":
                picture.putpixel((x + 2, y + 2), (0, 0, 0, 255) if c == "X" else (255, 255, 255, 255))
    picture.save(path)


def panel(image, hot, side):
    """The image's top left 5/8 (where the arrow is) enlarged to SHOWN pixels
    over a checkerboard, hot spot framed in red."""
    part = side * 5 // 8
    image = image.crop((0, 0, part, part))
    scale = SHOWN / part
    board = Image.new("RGBA", (SHOWN, SHOWN), (255, 255, 255, 255))
    draw = ImageDraw.Draw(board)
    for y in range(0, SHOWN, 24):
        for x in range(0, SHOWN, 24):
            if (x // 24 + y // 24) % 2:
                draw.rectangle((x, y, x + 23, y + 23), fill=(205, 205, 205, 255))
    board.alpha_composite(image.resize((SHOWN, SHOWN), Image.NEAREST))
    x, y = hot
    ImageDraw.Draw(board).rectangle((round(x * scale), round(y * scale), round((x + 1) * scale) - 1,
                                     round((y + 1) * scale) - 1), outline=(220, 0, 0, 255), width=2)
    return board


def main():
    cli = sys.argv[1]
    work = tempfile.mkdtemp(prefix="pixmint-sizes-")
    source = os.path.join(work, "arrow.png")
    arrow(source)
    cursor = os.path.join(work, "arrow.cur")
    subprocess.run([cli, "convert", cursor, source, "--sizes", "32,48,96", "--hotspot", "2,2"], check=True,
                   capture_output=True)
    subprocess.run([cli, "extract", cursor, work], check=True, capture_output=True)
    info = subprocess.run([cli, "info", cursor], check=True, capture_output=True, text=True).stdout
    hots = [tuple(int(v) for v in line.split("hotspot ")[1].split(",")) for line in info.splitlines()
            if "hotspot" in line]
    sides = [32, 48, 96]
    gap = 24
    out = Image.new("RGBA", (3 * SHOWN + 4 * gap, SHOWN + 2 * gap), (255, 255, 255, 255))
    for k, side in enumerate(sides):
        image = Image.open(os.path.join(work, f"arrow-{k}.png")).convert("RGBA")
        out.paste(panel(image, hots[k], side), (gap + k * (SHOWN + gap), gap))
    out.convert("RGB").save(OUT)


if __name__ == "__main__":
    main()
