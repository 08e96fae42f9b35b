"""The main window's own manners on a real X server without a window
manager: its size, its dialogs' place in the stacking order, its class for
task bars and its help without a browser.

Usage: PIXMINT=... PIXMINT_CLI=... python3 window_test.py"""

import os
import shutil
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from x11_session import Display, Session, eventually  # noqa: E402

PIXMINT = os.environ["PIXMINT"]
CLI = os.environ["PIXMINT_CLI"]


def remembered_size(width, height):
    """Settings that remember a window of width x height."""
    def prepare(home):
        folder = os.path.join(home, "config", "Kavol")
        os.makedirs(folder)
        with open(os.path.join(folder, "Pixmint.conf"), "w") as f:
            f.write(f"[General]\nFormWidth={width}\nFormHeight={height}\nFormLeft=0\nFormTop=0\n")
    return prepare


class WindowTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.display = Display()
        cls.screen = cls.display.start()

    @classmethod
    def tearDownClass(cls):
        cls.display.stop()

    def setUp(self):
        self.sessions = []

    def tearDown(self):
        for session in self.sessions:
            session.close()

    def start(self, **options):
        session = Session(PIXMINT, CLI, self.screen, **options)
        self.sessions.append(session)
        return session

    def test_window_keeps_a_working_size_and_the_desktop_entry_class(self):
        s = self.start(prepare=remembered_size(400, 300))
        _, _, width, height = s.geometry(s.window)
        # Grown to hold the whole tool column (down to the opacity box), a
        # canvas, and the colour and image panels side by side.
        self.assertGreaterEqual(width, 480)
        self.assertGreaterEqual(height, 420)
        # Task bars find the desktop entry (pixmint.desktop) by the class.
        classed = s.xdotool("search", "--classname", "^pixmint$", check=False).split()
        self.assertIn(s.window, classed)

    def test_a_dialog_stays_above_the_main_window_raised_over_it(self):
        s = self.start()
        s.menu("h", "Up", "Return")
        about = s.wait_window("关于 Kavoltrix Pixmint")
        x, y, w, h = s.geometry(about)
        shown = s.screenshot().crop((x, y, x + w, y + h))
        s.xdotool("windowraise", s.window)
        time.sleep(1.0)
        eventually(lambda: s.screenshot().crop((x, y, x + w, y + h)) == shown)
        s.key("Escape")
        s.wait_gone("关于 Kavoltrix Pixmint")

    def test_help_without_a_browser_names_the_manual(self):
        # No program to open web pages with: the search path holds only
        # what the test itself runs.
        tools = tempfile.mkdtemp(prefix="pixmint-x11-path-")
        self.addCleanup(shutil.rmtree, tools, True)
        for tool in ("xdotool", "import"):
            os.symlink(shutil.which(tool), os.path.join(tools, tool))
        s = self.start(changes={"PATH": tools, "BROWSER": None})
        s.key("F1")
        s.wait_window("^提示$")
        s.key("Return")
        s.wait_gone("^提示$")
        self.assertTrue(s.alive())


if __name__ == "__main__":
    unittest.main()
