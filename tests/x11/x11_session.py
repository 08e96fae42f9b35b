"""The real editor on a real X server: Xvfb started here, no window manager,
keys and mouse through the XTEST extension (xdotool), files checked with
pixmint-cli. Nothing puts the focus back by hand: what a user's keys reach is
what these keys reach."""

import os
import shutil
import subprocess
import tempfile
import time
from io import BytesIO

from PIL import Image, ImageChops

TRANSPARENT = (234, 234, 234)  # how a transparent pixel shows on the canvas
MAIN_TITLE = "Kavoltrix Pixmint 3.0"


# Polls check until it answers true, and gives its answer (the editor reacts
# in its own time).
def eventually(check, timeout=15.0):
    end = time.time() + timeout
    while True:
        try:
            value = check()
            if value:
                return value
        except (OSError, subprocess.CalledProcessError, AssertionError, IndexError):  # not there yet
            pass
        if time.time() > end:
            raise AssertionError(f"{check.__doc__ or 'condition'} did not come true")
        time.sleep(0.2)


# An Xvfb of its own for one test class: the server and its display name.
# Xvfb picks a free display itself and tells which (-displayfd), so runs side
# by side never share one. -noreset: the server would otherwise reset when its
# last client leaves (one editor closing between tests) and refuse the next
# one that connects meanwhile.
def start_display():
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x800x24", "-nolisten", "tcp",
                               "-noreset"], pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as answer:
        number = answer.readline().strip()
    if not number:
        server.kill()
        raise RuntimeError("no X display could be started")
    return server, f":{number}"


# One run of the editor with a home of its own. changes: variables to set.
class Session:
    def __init__(self, pixmint, cli, display, argument=None, changes=None, title=MAIN_TITLE):
        self.cli = cli
        self.display = display
        self.home = tempfile.mkdtemp(prefix="pixmint-x11-")
        self.env = {k: v for k, v in os.environ.items() if k != "QT_QPA_PLATFORM"} | {
            "DISPLAY": display, "HOME": self.home, "XDG_CONFIG_HOME": os.path.join(self.home, "config"),
            "XDG_DATA_HOME": os.path.join(self.home, "data"), "XDG_RUNTIME_DIR": self.home,
            "ASAN_OPTIONS": "detect_leaks=0:abort_on_error=1"} | (changes or {})
        args = [pixmint] + ([argument] if argument else [])
        self.process = subprocess.Popen(args, env=self.env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        self.window = self.wait_window(title) if title else None
        if title:
            time.sleep(0.5)  # the document is set up just after the first show

    # --- X ---
    def xdotool(self, *args, check=True):
        result = subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True, timeout=30)
        if check and result.returncode != 0:
            raise RuntimeError(f"xdotool {args}: {result.stderr}")
        return result.stdout

    def windows(self, title):
        return self.xdotool("search", "--onlyvisible", "--name", title, check=False).split()

    # A window with this title (a regular expression), once it is shown and
    # has the keyboard.
    def wait_window(self, title, timeout=30.0):
        end = time.time() + timeout
        while time.time() < end:
            self.assert_alive()
            found = self.windows(title)
            if found:
                self.wait_focus(found[0])
                return found[0]
            time.sleep(0.1)
        raise AssertionError(f"no window titled {title!r}")

    # (x, y, width, height) of a window on the screen.
    def geometry(self, window):
        values = dict(line.split("=", 1) for line in
                      self.xdotool("getwindowgeometry", "--shell", window).split() if "=" in line)
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def click_in(self, window, dx, dy, button=1):
        x, y, _, _ = self.geometry(window)
        self.click(x + dx, y + dy, button)

    # Waits until the keyboard is on window, as a user would before typing.
    def wait_focus(self, window, timeout=10.0):
        eventually(lambda: self.xdotool("getwindowfocus", "-f", check=False).strip() == window, timeout)
        time.sleep(0.3)  # the toolkit learns of it a moment later

    def wait_gone(self, title, timeout=15.0):
        eventually(lambda: not self.windows(title), timeout)

    def key(self, *keys):
        for k in keys:
            self.xdotool("key", "--delay", "30", k)
            time.sleep(0.15)
        self.assert_alive()

    # Opens a menu by its letter, waits as a user would for it to show, then
    # presses the keys that pick an item.
    def menu(self, letter, *keys):
        self.key(f"alt+{letter}")
        time.sleep(0.8)
        self.key(*keys)

    def type(self, text):
        self.xdotool("type", "--delay", "20", text)
        time.sleep(0.2)

    def click(self, x, y, button=1):
        self.xdotool("mousemove", "--sync", str(x), str(y), "click", str(button))
        time.sleep(0.2)

    def drag(self, points):
        x, y = points[0]
        self.xdotool("mousemove", "--sync", str(x), str(y), "mousedown", "1")
        for x, y in points[1:]:
            self.xdotool("mousemove", "--sync", str(x), str(y))
            time.sleep(0.05)
        self.xdotool("mouseup", "1")
        time.sleep(0.3)

    def screenshot(self):
        png = subprocess.run(["import", "-display", self.display, "-window", "root", "png:-"], env=self.env,
                             capture_output=True, timeout=30, check=True).stdout
        return Image.open(BytesIO(png)).convert("RGB")

    # The canvas on the screen, (left, top, zoom), from the pixels that show
    # transparency (the grid takes each zoomed pixel's first row and column,
    # so the picture starts one pixel before them).
    def canvas(self, image_width):
        # Only the scrolling area in the middle of the window: the panels
        # around it have light pixels of their own.
        wx, wy, ww, wh = self.geometry(self.window)
        area = (wx + 60, wy + 55, wx + ww - 200, wy + wh - 25)
        r, g, b = self.screenshot().crop(area).split()
        masks = [Image.eval(band, lambda v, want=want: 255 if v == want else 0) for band, want in
                 zip((r, g, b), TRANSPARENT)]
        box = ImageChops.multiply(ImageChops.multiply(masks[0], masks[1]), masks[2]).getbbox()
        if box is None:
            raise AssertionError("no canvas on the screen")
        left, top, right, _ = box
        left, top, right = left + area[0], top + area[1], right + area[0]
        zoom = round((right - left + 1) / image_width)
        return left - 1, top - 1, zoom

    # The colour image pixel (x, y) shows on the screen now.
    def pixels_now(self, canvas, x, y):
        px, py = self.pixel_point(canvas, x, y)
        return self.screenshot().getpixel((px, py))

    def pixel_point(self, canvas, x, y):
        left, top, zoom = canvas
        return left + x * zoom + zoom // 2, top + y * zoom + zoom // 2

    # --- the process ---
    def assert_alive(self):
        if self.process.poll() is not None:
            out = self.process.stdout.read().decode(errors="replace") if self.process.stdout else ""
            raise AssertionError(f"the editor ended (exit {self.process.returncode}):\n{out[-3000:]}")

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(10)
        shutil.rmtree(self.home, ignore_errors=True)

    # --- files ---
    # Image 0 of an icon or cursor file as our own reader sees it.
    def pixels(self, path):
        out = tempfile.mkdtemp(dir=self.home)
        subprocess.run([self.cli, "extract", path, out], check=True, capture_output=True, timeout=60)
        stem = os.path.splitext(os.path.basename(path))[0]
        return Image.open(os.path.join(out, f"{stem}-0.png")).convert("RGBA")

    def info(self, path):
        return subprocess.run([self.cli, "info", path], check=True, capture_output=True, text=True,
                              timeout=60).stdout
