# The editor as a Wayland client: it starts, draws, shares the clipboard with
# wl-clipboard and saves, under Debian's weston.
#
# Weston's headless output has no seat (no keyboard, pointer or clipboard),
# so weston runs with its X11 output inside an Xvfb of the test's own, which
# gives it a seat: xdotool's keys and clicks reach weston as real input, and
# weston hands them to the editor through the Wayland protocol. The kiosk
# shell shows the editor over the whole output.
#
# Usage: PIXMINT=... PIXMINT_CLI=... python3 wayland_test.py

import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
from io import BytesIO

from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from x11_session import TRANSPARENT, Display, Session, eventually  # noqa: E402

PIXMINT = os.environ["PIXMINT"]
CLI = os.environ["PIXMINT_CLI"]
RED = (255, 0, 0)


# A weston of its own on an X display, with a socket by absolute path.
class Weston:
    def __init__(self, display):
        self.folder = tempfile.mkdtemp(prefix="pixmint-weston-")
        os.chmod(self.folder, 0o700)
        self.socket = os.path.join(self.folder, "wayland-0")
        env = dict(os.environ, DISPLAY=display, XDG_RUNTIME_DIR=self.folder,
                   XDG_CONFIG_HOME=os.path.join(self.folder, "config"))
        self.process = subprocess.Popen(
            ["weston", "--backend=x11-backend.so", "--use-pixman", "--shell=kiosk-shell.so", "--socket=wayland-0",
             "--idle-time=0", "--width=1100", "--height=760"], env=env, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        eventually(lambda: os.path.exists(self.socket))
        self.clipboard_env = dict(os.environ, WAYLAND_DISPLAY=self.socket, XDG_RUNTIME_DIR=self.folder)

    def stop(self):
        self.process.terminate()
        self.process.wait(10)
        shutil.rmtree(self.folder, ignore_errors=True)


class WaylandTest(unittest.TestCase):
    def setUp(self):
        self.display = Display()
        self.screen = self.display.start()
        self.weston = Weston(self.screen)
        self.files = tempfile.mkdtemp(prefix="pixmint-wayland-files-")

    def tearDown(self):
        if getattr(self, "session", None):
            self.session.close()
        self.weston.stop()
        self.display.stop()
        shutil.rmtree(self.files, ignore_errors=True)

    def test_draws_shares_the_clipboard_and_saves(self):
        s = self.session = Session(PIXMINT, CLI, self.screen, title=None,
                                   changes={"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": self.weston.socket})
        # The editor's window fills weston's output, the one X window there.
        found = []
        eventually(lambda: found.extend(s.xdotool("search", "--onlyvisible", "--class", ".", check=False).split())
                   or found)
        s.window = found[0]
        eventually(lambda: s.canvas(48), timeout=30)
        time.sleep(1.0)
        canvas = s.canvas(48)
        s.click(*s.pixel_point(canvas, 40, 40))  # weston gives the editor the keyboard
        s.key("y")  # the pencil
        s.drag([s.pixel_point(canvas, 5, 5), s.pixel_point(canvas, 10, 5)])
        eventually(lambda: s.pixels_now(canvas, 7, 5) != TRANSPARENT)

        # Out through the compositor's clipboard to wl-paste.
        s.key("ctrl+a", "ctrl+c")
        paste = lambda: subprocess.run(["wl-paste", "--type", "image/png"], env=self.weston.clipboard_env,
                                       capture_output=True, timeout=10, check=True).stdout
        eventually(lambda: Image.open(BytesIO(paste())))
        copied = Image.open(BytesIO(paste())).convert("RGB")
        self.assertEqual(copied.size, (48, 48))
        self.assertEqual(copied.getpixel((7, 5)), (0, 0, 0))

        # In from wl-copy: a red square, pasted in the middle of the image.
        red = BytesIO()
        Image.new("RGB", (8, 8), RED).save(red, "PNG")
        subprocess.Popen(["wl-copy", "--type", "image/png"], env=self.weston.clipboard_env,
                         stdin=subprocess.PIPE).communicate(red.getvalue(), timeout=10)
        s.key("Escape", "ctrl+v")
        eventually(lambda: s.pixels_now(canvas, 24, 24) == RED)

        # Saved through the file dialog.
        path = os.path.join(self.files, "drawn.ico")
        s.key("ctrl+s")
        time.sleep(2.0)
        s.type(path)
        s.key("Return")
        eventually(lambda: os.path.exists(path))
        eventually(lambda: s.pixels(path).getpixel((24, 24))[:3] == RED)
        self.assertEqual(s.pixels(path).getpixel((7, 5)), (0, 0, 0, 255))


if __name__ == "__main__":
    unittest.main()
