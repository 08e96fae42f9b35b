# The editor driven the way a user drives it, on a real X server without a
# window manager: only what needs one (the keyboard focus, keys, Qt's real
# file choosers, the clipboard shared with other programs), and a start as a
# Wayland client. Usage: PIXMINT=... PIXMINT_CLI=... python3 x11_test.py

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
from x11_session import TRANSPARENT, Session, eventually, start_display  # noqa: E402

PIXMINT = os.environ["PIXMINT"]
CLI = os.environ["PIXMINT_CLI"]
# Keys that must never end the program, wherever the keyboard focus is.
HARMLESS = ["y", "b", "KP_Add", "KP_Subtract", "Escape", "Delete", "ctrl+z", "F2", "x"]
SAVE = "另存为|Save"


class X11Test(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server, cls.screen = start_display()

    @classmethod
    def tearDownClass(cls):
        cls.server.terminate()
        cls.server.wait(10)

    def setUp(self):
        self.sessions = []
        self.files = tempfile.mkdtemp(prefix="pixmint-x11-files-")
        self.addCleanup(shutil.rmtree, self.files, True)

    def tearDown(self):
        for session in self.sessions:
            session.close()

    def start(self, argument=None, **options):
        session = Session(PIXMINT, CLI, self.screen, argument, **options)
        self.sessions.append(session)
        return session

    def save_through_chooser(self, s, keys, path):
        s.key(keys)
        s.wait_window(SAVE)
        s.type(path)
        s.key("Return")
        s.wait_gone(SAVE)
        eventually(lambda: os.path.exists(path))

    def test_keys_survive_the_start_and_every_dialog(self):
        s = self.start("无标题(指针)")
        s.key(*HARMLESS)
        for name, opener, title in [
            ("new image", lambda: s.key("ctrl+Insert"), "添加新的图像"),
            ("text", lambda: s.key("t"), "添加文字"),
            ("about", lambda: s.menu("h", "Up", "Return"), "关于 Kavoltrix Pixmint"),
            ("settings", lambda: s.menu("f", "Up", "Up", "Return"), "^设置$"),
            ("colour", lambda: s.click_in(s.window, 1045, 67), "Select Colo|颜色"),
            ("hot spot", lambda: s.menu("t", "Up", "Up", "Return"), "测试指针热点"),
        ]:
            with self.subTest(name):  # opened, closed with Escape, then keys
                opener()
                s.wait_window(title)
                s.key("Escape")
                s.wait_gone(title)
                s.key(*HARMLESS)
        # The canvas's own menu, opened and closed.
        s.click(*s.pixel_point(s.canvas(32), 4, 4), button=3)
        s.key("Escape")
        s.key(*HARMLESS)

    def through_file_dialog(self, s, title, keys, path):
        # Opens the file chooser a dialog's button opens (it shares the
        # dialog's title), types a path into it and confirms.
        s.wait_focus(s.windows(title)[0])  # a chooser just closed gives the keyboard back a moment later
        s.key(keys)
        eventually(lambda: len(s.windows(title)) == 2)
        time.sleep(0.5)
        s.key("ctrl+a")
        s.type(path)
        s.key("Return")
        eventually(lambda: len(s.windows(title)) == 1)

    def test_the_converter_through_its_file_choosers(self):
        s = self.start()
        master = os.path.join(self.files, "master.png")
        Image.new("RGBA", (64, 64), (200, 30, 30, 255)).save(master)
        # The converter: the cursor-only items below it are off for an icon.
        s.menu("t", "Up", "Return")
        title = "^转换图片为图标$"
        s.wait_window(title)
        self.through_file_dialog(s, title, "alt+a", master)
        made = os.path.join(self.files, "made.ico")
        self.through_file_dialog(s, title, "alt+s", made)
        eventually(lambda: os.path.exists(made))
        self.assertIn("icon, 8 images", s.info(made))
        s.key("Escape")
        s.wait_gone(title)
        s.key(*HARMLESS)

    # Closing with unsaved work asks first: Cancel keeps the editor and the
    # work, No ends it without saving.
    def test_closing_with_changes_asks_and_cancel_keeps_the_work(self):
        s = self.start()
        canvas = s.canvas(48)
        s.drag([s.pixel_point(canvas, 3, 3), s.pixel_point(canvas, 6, 6)])
        for answer in ("Escape", "alt+n"):
            s.key("alt+F4")
            s.wait_window("确认")
            s.xdotool("key", answer)
            if answer == "Escape":
                s.wait_gone("确认")
                s.wait_focus(s.window)
                self.assertNotEqual(s.pixels_now(canvas, 4, 4), TRANSPARENT)
        self.assertEqual(s.process.wait(20), 0)

    # A picture another program owns on the clipboard (xclip) pastes in the
    # middle and saves through the real chooser; a copy reaches other
    # programs; Save As takes a cursor's name.
    def test_the_clipboard_of_other_programs_and_the_real_save_chooser(self):
        if shutil.which("xclip") is None:
            self.skipTest("xclip missing (scripts/setup installs it)")
        s = self.start()
        copied = os.path.join(self.files, "copied.png")
        picture = Image.new("RGBA", (4, 3), (255, 0, 0, 255))
        picture.putpixel((0, 0), (255, 255, 255, 0))  # transparent: never white paper
        picture.putpixel((1, 0), (255, 0, 0, 200))  # mostly opaque: opaque in an 8-bit image
        picture.save(copied)
        owner = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-t", "image/png", "-i", copied],
                                 env=s.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            time.sleep(2)  # the window looks at the clipboard once a second
            s.key("ctrl+v")
            saved = os.path.join(self.files, "pasted.ico")
            self.save_through_chooser(s, "ctrl+s", saved)
        finally:
            owner.kill()
            owner.wait(10)
        pixels = s.pixels(saved)
        red = [(x, y) for y in range(48) for x in range(48) if pixels.getpixel((x, y)) == (255, 0, 0, 255)]
        self.assertEqual(red, [(x, y) for y in range(22, 25) for x in range(22, 26) if (x, y) != (22, 22)])
        self.assertEqual(pixels.getpixel((22, 22))[3], 0)

        s.key("ctrl+a", "ctrl+c")
        out = lambda: subprocess.run(["xclip", "-o", "-selection", "clipboard", "-t", "image/png"], env=s.env,
                                     capture_output=True, timeout=10).stdout
        eventually(lambda: Image.open(BytesIO(out())).size == (48, 48))
        self.assertEqual(Image.open(BytesIO(out())).convert("RGB").getpixel((23, 23)), (255, 0, 0))
        second = os.path.join(self.files, "copy.cur")
        self.save_through_chooser(s, "ctrl+shift+s", second)
        eventually(lambda: "cursor" in s.info(second))

    def test_shortcuts_reach_the_window_after_the_opacity_box_and_keypad_zoom_keys(self):
        s = self.start()
        canvas = s.canvas(48)
        s.drag([s.pixel_point(canvas, 5, 5), s.pixel_point(canvas, 10, 5)])
        eventually(lambda: s.pixels_now(canvas, 7, 5) != TRANSPARENT)
        s.click_in(s.window, 20, 393)  # the opacity box
        s.key("ctrl+a")
        s.type("50")
        s.key("Return", "ctrl+z")  # the stroke is undone, not the typing
        eventually(lambda: s.pixels_now(canvas, 7, 5) == TRANSPARENT)
        zoom = s.canvas(48)[2]
        s.key("KP_Add")
        eventually(lambda: s.canvas(48)[2] == zoom + 1)
        s.key("KP_Multiply")
        time.sleep(0.5)
        fit = s.canvas(48)[2]
        for keys, zoom in [(["KP_Subtract", "KP_Subtract"], fit - 2), (["ctrl+plus"], fit - 1),
                           (["ctrl+equal"], fit), (["KP_Subtract", "j"], fit)]:
            s.key(*keys)
            time.sleep(0.3)
            eventually(lambda: s.canvas(48)[2] == zoom)


    # Under Debian's weston, with its X11 output inside this Xvfb (which gives
    # it a seat: xdotool's keys reach weston as real input), the kiosk shell
    # showing the editor over the whole output.
    def test_as_a_wayland_client_the_window_starts_and_takes_a_key(self):
        if shutil.which("weston") is None:
            self.skipTest("weston missing")
        runtime = tempfile.mkdtemp(prefix="pixmint-weston-", dir=self.files)
        os.chmod(runtime, 0o700)
        weston = subprocess.Popen(
            ["weston", "--backend=x11-backend.so", "--use-pixman", "--shell=kiosk-shell.so", "--socket=wayland-0",
             "--idle-time=0", "--width=1100", "--height=760"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            env=dict(os.environ, DISPLAY=self.screen, XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=runtime))
        self.addCleanup(lambda: (weston.terminate(), weston.wait(10)))
        socket = os.path.join(runtime, "wayland-0")
        eventually(lambda: os.path.exists(socket))
        s = self.start(title=None, changes={"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": socket})
        # The editor's window fills weston's output, the one X window there.
        s.window = eventually(lambda: s.xdotool("search", "--onlyvisible", "--class", ".", check=False).split()[0])
        eventually(lambda: s.canvas(48), timeout=30)
        time.sleep(1.0)
        canvas = s.canvas(48)
        s.click(*s.pixel_point(canvas, 40, 40))  # weston gives the editor the keyboard
        s.key("KP_Add")
        eventually(lambda: s.canvas(48)[2] == canvas[2] + 1)


if __name__ == "__main__":
    unittest.main(verbosity=2)
