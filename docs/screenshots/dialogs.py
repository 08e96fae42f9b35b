#!/usr/bin/env python3
"""Takes the manual's dialog pictures under an Xvfb of its own, driving the
editor with real keys as a user would.

Usage: dialogs.py PIXMINT PIXMINT_CLI  (writes docs/manual-*.png)"""
import os
import subprocess
import sys
import tempfile

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tests", "x11"))
from x11_session import Display, Session  # noqa: E402

DOCS = os.path.join(HERE, "..")


def shoot(session, window, name):
    x, y, width, height = session.geometry(window)
    # The frame-less window's own pixels: no window manager draws a border.
    session.screenshot().crop((x, y, x + width, y + height)).save(os.path.join(DOCS, name))


def spinning_arrow(folder, cli):
    """A four-frame animated cursor: a bar turning a quarter each frame."""
    frames = []
    for i in range(4):
        picture = Image.new("RGBA", (32, 32), (0, 0, 0, 0))
        for t in range(-12, 13):
            x, y = [(16 + t, 16), (16 + t, 16 + t), (16, 16 + t), (16 - t, 16 + t)][i]
            for dx in (0, 1):
                picture.putpixel((min(x + dx, 31), min(y, 31)), (30, 60 + 50 * i, 200, 255))
        frames.append(os.path.join(folder, f"frame{i}.png"))
        picture.save(frames[-1])
    out = os.path.join(folder, "spinner.ani")
    subprocess.run([cli, "create", out] + [f + "@16,16" for f in frames] + ["--rate", "8"], check=True)
    return out


def main(pixmint, cli):
    display = Display()
    screen = display.start()
    folder = tempfile.mkdtemp(prefix="pixmint-shots-")
    try:
        s = Session(pixmint, cli, screen)
        s.menu("h", "Up", "Return")
        shoot(s, s.wait_window("关于 Kavoltrix Pixmint"), "manual-about.png")
        s.key("Escape")
        s.menu("f", "Up", "Up", "Return")
        shoot(s, s.wait_window("^设置$"), "manual-settings.png")
        s.key("Escape")
        s.close()

        s = Session(pixmint, cli, screen, spinning_arrow(folder, cli))
        s.menu("t", "Up", "Return")
        shoot(s, s.wait_window("^动画$"), "manual-animation.png")
        s.key("Escape")
        s.close()
    finally:
        display.stop()


if __name__ == "__main__":
    main(*sys.argv[1:3])
