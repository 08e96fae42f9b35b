# The editor driven the way a user drives it, on a real X server without a
# window manager: only what needs one (the keyboard focus, keys, Qt's real
# file choosers, the clipboard shared with other programs, the window's size,
# stacking and class). Usage: PIXMINT=... PIXMINT_CLI=... python3 x11_test.py

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
from x11_session import MAIN_TITLE, TRANSPARENT, Display, Session, eventually  # noqa: E402

PIXMINT = os.environ["PIXMINT"]
CLI = os.environ["PIXMINT_CLI"]
# Keys that must never end the program, wherever the keyboard focus is.
HARMLESS = ["y", "b", "KP_Add", "KP_Subtract", "Escape", "Delete", "ctrl+z", "F2", "x"]
SAVE = "另存为|Save"


class X11Test(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.display = Display()
        cls.screen = cls.display.start()

    @classmethod
    def tearDownClass(cls):
        cls.display.stop()

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

    def dialog_roundtrip(self, s, open_dialog, title):
        # Opens a dialog, closes it with Escape, then presses keys.
        open_dialog()
        s.wait_window(title)
        s.key("Escape")
        s.wait_gone(title)
        s.key(*HARMLESS)
        self.assertTrue(s.alive())

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
        left, top, zoom = s.canvas(32)
        for name, opener, title in [
            ("new image", lambda: s.key("ctrl+Insert"), "添加新的图像"),
            ("text", lambda: s.key("t"), "添加文字"),
            ("about", lambda: s.menu("h", "Up", "Return"), "关于 Kavoltrix Pixmint"),
            ("settings", lambda: s.menu("f", "Up", "Up", "Return"), "^设置$"),
            ("colour", lambda: s.click_in(s.window, 1045, 67), "Select Colo|颜色"),
            ("hot spot", lambda: s.menu("t", "Up", "Up", "Return"), "测试指针热点"),
        ]:
            with self.subTest(name):
                self.dialog_roundtrip(s, opener, title)
        # The canvas's own menu, opened and closed.
        s.click(left + 4 * zoom, top + 4 * zoom, button=3)
        s.key("Escape")
        s.key(*HARMLESS)
        # The whole picture copied, pasted into a 16-pixel image: too large,
        # so the paste dialog asks for a part.
        s.key("ctrl+a", "ctrl+c", "ctrl+Insert")
        dialog = s.wait_window("添加新的图像")
        s.click_in(dialog, 30, 52)  # 16 x 16
        s.key("Return")
        s.wait_gone("添加新的图像")
        self.dialog_roundtrip(s, lambda: s.key("ctrl+v"), "在剪切板选择图片的一部份")

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

    def test_converter_and_extractor_through_their_file_choosers(self):
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

        program = os.path.join(os.environ.get("PIXMINT_PE_SAMPLES", ""), "app64.exe")
        if not os.path.exists(program):
            self.skipTest("no program files (MinGW) to take icons from")
        s.menu("t", "Up", "Up", "Return")
        title = "^提取/替换 EXE 图标$"
        s.wait_window(title)
        self.through_file_dialog(s, title, "alt+o", program)
        taken = os.path.join(self.files, "taken")
        self.through_file_dialog(s, title, "alt+s", taken)  # the first group is chosen
        # A bare name gets the group's extension.
        eventually(lambda: any(os.path.exists(taken + e) for e in (".ico", ".cur")))
        taken += ".ico" if os.path.exists(taken + ".ico") else ".cur"
        self.assertRegex(s.info(taken), r": (icon|cursor), [1-9]\d* images")
        s.key("Escape")
        s.wait_gone(title)
        s.key(*HARMLESS)
        self.assertTrue(s.alive())

    def test_closing_with_changes_asks_and_cancel_keeps_the_work(self):
        s = self.start()
        canvas = s.canvas(48)
        s.drag([s.pixel_point(canvas, 3, 3), s.pixel_point(canvas, 6, 6)])
        s.key("alt+F4")
        s.wait_window("确认")
        s.key("Escape")
        s.wait_gone("确认")
        s.key(*HARMLESS)
        self.assertTrue(s.alive())
        s.key("alt+F4")
        s.wait_window("确认")
        s.xdotool("key", "alt+n")  # No: close without saving
        self.assertEqual(s.wait_exit(), 0)
        self.assertNotIn(MAIN_TITLE, " ".join(s.windows(MAIN_TITLE)))

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

    # --- the window's own manners ---

    def test_window_keeps_a_working_size_and_the_desktop_entry_class(self):
        def remembered_size(home):
            os.makedirs(os.path.join(home, "config", "Kavol"))
            with open(os.path.join(home, "config", "Kavol", "Pixmint.conf"), "w") as f:
                f.write("[General]\nFormWidth=400\nFormHeight=300\nFormLeft=0\nFormTop=0\n")
        s = self.start(prepare=remembered_size)
        _, _, width, height = s.geometry(s.window)
        # Grown to hold the whole tool column (down to the opacity box), a
        # canvas, and the colour and image panels side by side.
        self.assertGreaterEqual(width, 480)
        self.assertGreaterEqual(height, 420)
        # Task bars find the desktop entry (pixmint.desktop) by the class.
        self.assertIn(s.window, s.xdotool("search", "--classname", "^pixmint$", check=False).split())

    def test_a_dialog_stays_above_the_main_window_raised_over_it(self):
        s = self.start()
        s.menu("h", "Up", "Return")
        about = s.wait_window("关于 Kavoltrix Pixmint")
        x, y, w, h = s.geometry(about)
        shown = s.screenshot().crop((x, y, x + w, y + h))
        s.xdotool("windowraise", s.window)
        time.sleep(1.0)
        eventually(lambda: s.screenshot().crop((x, y, x + w, y + h)) == shown)

    def test_help_without_a_browser_names_the_manual(self):
        # No program to open web pages with: the search path holds only what
        # the test itself runs.
        for tool in ("xdotool", "import"):
            os.symlink(shutil.which(tool), os.path.join(self.files, tool))
        s = self.start(changes={"PATH": self.files, "BROWSER": None})
        s.key("F1")
        s.wait_window("^提示$")
        s.key("Return")
        s.wait_gone("^提示$")
        self.assertTrue(s.alive())


if __name__ == "__main__":
    unittest.main(verbosity=2)
