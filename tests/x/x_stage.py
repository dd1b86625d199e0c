#!/usr/bin/env python3
"""The X test stage: the real kelvaro on a real X server (Xvfb) under a real
window manager (openbox), driven with key presses, clicks and the clipboard
as a user drives it, and checked by what a user sees: the values through
Copy puzzle, the windows through their titles and frames, and the screen.

    tests/x/x_stage.py KELVARO KELVARO_ENGINE [unittest options]
"""
import fcntl
import glob
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from test_site import TestSite  # noqa: E402
from x_session import SCREEN_HEIGHT, SCREEN_WIDTH, Desktop, clipboard_text, \
    set_clipboard_text  # noqa: E402

PROGRAM = ENGINE = None
MAIN_TITLE = "Kelvaro - (c) 2026 Kelvaro team"
WEB_TITLE = "The Kelvaro web page - www.kelvaro.example"
EMPTY = "." * 81
PUZZLE = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79"
SOLVED = "534678912672195348198342567859761423426853791713924856961537284287419635345286179"
# A grid as a puzzle site frames it.
FRAMED = "\n".join(
    "| " + " | ".join(" ".join(PUZZLE[r * 9 + c * 3: r * 9 + c * 3 + 3]) for c in range(3)) + " |"
    for r in range(9))
# The maker's page: a green page with a link to another site filling its top.
MAKER_PAGE = ("<html><head><title>Kelvaro</title></head><body style='margin:0;background:#0a7d32'>"
              "<a href='https://elsewhere.example/' style='display:block;height:80px;"
              "background:#fff'>elsewhere</a></body></html>")
WAIT = 20.0  # seconds for anything a user would wait for; each takes far less

desktop = None


def setUpModule():
    global desktop
    desktop = Desktop(tempfile.mkdtemp(prefix="kelvaro-x-openbox-"))


def tearDownModule():
    desktop.close()


def cell_centre(column, row):
    def offset(index):  # the cells' positions in the main window
        return 2 + 29 * index + 3 * (index // 3) + 15
    return offset(column), offset(row)


def sudoku_ok(grid):
    """Every row, column and box holds 1 to 9 once."""
    units = [[r * 9 + c for c in range(9)] for r in range(9)] + \
            [[r * 9 + c for r in range(9)] for c in range(9)] + \
            [[(b // 3 * 3 + r) * 9 + b % 3 * 3 + c for r in range(3) for c in range(3)]
             for b in range(9)]
    return all(sorted(grid[i] for i in unit) == list("123456789") for unit in units)


def centred(outer, around):
    """Whether the rectangle `outer` (x, y, w, h) is centred on `around`."""
    x, y, w, h = outer
    ax, ay, aw, ah = around
    return abs(x - max(ax + (aw - w) // 2, 0)) <= 1 and abs(y - max(ay + (ah - h) // 2, 0)) <= 1


class Kelvaro:
    """The program under test, started afresh with a home of its own."""

    def __init__(self, program=None, env=None):
        self.home = tempfile.mkdtemp(prefix="kelvaro-x-home-")
        self.browser_log = os.path.join(self.home, "..", os.path.basename(self.home) + ".opened")
        self.screen = desktop.screen
        self.screen.forget_frames()
        environment = dict(desktop.env, HOME=self.home, BROWSER=self._recorder(),
                           QTWEBENGINE_DISABLE_SANDBOX="1", **(env or {}))
        self.process = subprocess.Popen([program or PROGRAM], env=environment,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.main = self.screen.await_window(MAIN_TITLE, pid=self.process.pid, limit=WAIT)
        self.await_focus()

    def _recorder(self):
        """Stands in for the desktop's web browser: notes each address."""
        path = self.browser_log + ".sh"
        with open(path, "w") as script:
            script.write(f'#!/bin/sh\necho "$1" >> "{self.browser_log}"\n')
        os.chmod(path, 0o755)
        return path

    def opened_in_browser(self):
        try:
            with open(self.browser_log) as log:
                return log.read().split()
        except FileNotFoundError:
            return []

    def await_focus(self):
        """Waits until the main window has the keyboard, as it has after start
        and once a window of its own closes: the window manager has given it
        the focus, and the program has taken it, which Copy puzzle (a key of
        the active window only) shows."""
        self.screen.wait_until(lambda: self.screen.focused_window() == self.main,
                               WAIT, "the main window never got the keyboard")
        self.copy()

    def click_until(self, window, x, y, done, what, patience=1.0):
        """Clicks until `done()` holds. A click into a window that has just
        appeared or been given the focus is now and then lost on its way, so
        it comes again, as a user's would, once nothing has followed it for
        `patience` seconds."""
        deadline = time.monotonic() + WAIT
        while time.monotonic() < deadline:
            self.screen.click(window, x, y)
            try:
                return self.screen.wait_until(done, patience, "")
            except TimeoutError:
                pass
        raise TimeoutError(f"no click {what}")

    def press_button(self, number, opens):
        """Clicks button 0 to 4 (Solve, Generate, Clear, Print, About) and
        waits for the window it opens: a second press meanwhile is dropped."""
        self.click_until(self.main, 310, 22 + 30 * number,
                         lambda: self.screen.window(opens, self.process.pid), f"opened {opens}")
        return self.window(opens)

    def click_cell(self, column, row):
        """Clicks into a cell and waits until the program has it: the window
        manager's click-to-focus hands the window the focus anew, and keys
        typed in between go nowhere, as they would for a user."""
        self.screen.click(self.main, *cell_centre(column, row))
        self.copy()

    def keys(self, *chord):
        self.screen.key(*chord)

    def copy(self):
        """The grid, through Copy puzzle and the clipboard. The key is pressed
        again until it is heard: a window the program has not yet taken as
        active hears no key."""
        marker = "copied nothing yet"
        set_clipboard_text(desktop.env, marker)
        deadline = time.monotonic() + WAIT
        while time.monotonic() < deadline:
            self.keys("Control_L", "c")
            for _ in range(50):
                text = clipboard_text(desktop.env)
                if text != marker:
                    return text
                time.sleep(0.01)
        raise TimeoutError("Copy puzzle put nothing on the clipboard; windows open: "
                           f"{self.screen.titles(self.process.pid)}")

    def paste(self, text):
        """Pastes with Ctrl+V and waits until the program has taken the text,
        which it shows by drawing the grid anew or by a message: the clipboard
        must not change while the program is still reading it."""
        set_clipboard_text(desktop.env, text)
        before = self.main_picture()
        self.keys("Control_L", "v")
        self.screen.wait_until(
            lambda: self.main_picture() != before or
            self.screen.window("Paste puzzle", self.process.pid), WAIT, "nothing was pasted")

    def main_picture(self):
        x, y, _ = self.screen.client_geometry(self.main)
        return self.screen.picture(x, y, 350, 272)

    def await_grid(self, expected):
        deadline = time.monotonic() + WAIT
        while (grid := self.copy()) != expected:
            if time.monotonic() > deadline:
                raise AssertionError(f"the grid is {grid}, not {expected}")
            time.sleep(0.05)

    def window(self, title):
        """The window with this title once it is on the screen, framed."""
        window = self.screen.await_window(title, pid=self.process.pid, limit=WAIT)
        self.screen.wait_until(lambda: self.screen.frames_titled(title), WAIT,
                               f'window "{title}" was never mapped')
        return window

    def close_window(self, title):
        """Closes the window with this title by its window manager's key."""
        self.window(title)
        self.keys("Alt_L", "F4")
        self.screen.await_window(title, present=False, pid=self.process.pid, limit=WAIT)

    def answer_message(self, title):
        self.window(title)
        self.keys("Return")
        self.screen.await_window(title, present=False, pid=self.process.pid, limit=WAIT)
        self.await_focus()

    def bar_states(self):
        """Watches the progress window from its first showing to its closing
        and returns how far its bar was seen filled, in pixels, each time."""
        window = self.screen.wait_until(
            lambda: self.screen.window("Generating Puzzle", self.process.pid), WAIT,
            "no progress window showed")
        x, y, _ = self.screen.client_geometry(window)
        states = []
        while self.screen.window("Generating Puzzle", self.process.pid):
            try:
                line = self.screen.picture(x + 5, y + 17, 200, 1)[0]
            except RuntimeError:  # closed meanwhile
                break
            filled = sum(1 for (r, g, b) in line if b > r + 40)
            if not states or states[-1] != filled:
                states.append(filled)
        return states

    def red_pixels(self, column, row):
        x, y, _ = self.screen.client_geometry(self.main)
        cx, cy = cell_centre(column, row)
        picture = self.screen.picture(x + cx - 12, y + cy - 12, 24, 24)
        return sum(1 for line in picture for (r, g, b) in line if r > 180 and g < 80 and b < 80)

    def quit(self):
        """Closes the main window as a user does and returns the exit status."""
        self.await_focus()
        self.keys("Alt_L", "F4")
        return self.process.wait(WAIT)

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.process.stderr.close()
        shutil.rmtree(self.home, ignore_errors=True)
        for leftover in (self.browser_log, self.browser_log + ".sh"):
            if os.path.exists(leftover):
                os.remove(leftover)

    def left_in_home(self):
        """What the run left in its home, folders too, but the program's own
        settings (under .config), which it may keep."""
        found = []
        for folder, folders, files in os.walk(self.home):
            found += [os.path.relpath(os.path.join(folder, f), self.home) for f in folders + files]
        return sorted(f for f in found if f != ".config" and not f.startswith(".config/"))


class XStage(unittest.TestCase):
    def setUp(self):
        self.kelvaro = Kelvaro()

    def tearDown(self):
        self.kelvaro.stop()

    def test_starts_with_no_focus_then_tab_reaches_solve(self):
        k = self.kelvaro
        k.keys("5")
        self.assertEqual(k.copy(), EMPTY, "a key pressed at start reached a cell")
        k.keys("Tab")
        k.keys("space")  # Solve, on the empty grid
        k.answer_message("Solved!")
        self.assertTrue(sudoku_ok(k.copy()))
        self.assertEqual(k.quit(), 0)

    def test_typing_a_row_with_the_arrows_a_clash_in_red_and_undo(self):
        k = self.kelvaro
        k.click_cell(0, 0)
        for digit in SOLVED[:9]:
            k.keys(digit)
            k.keys("Right")
        k.await_grid(SOLVED[:9] + "." * 72)
        # The arrow went round to the row's first cell; Down then takes the
        # slip into the next row, under the 5.
        k.keys("Down")
        k.keys("5")
        k.await_grid(SOLVED[:9] + "5" + "." * 71)
        self.assertGreater(k.red_pixels(0, 0), 10, "the clashing 5s are not red")
        self.assertGreater(k.red_pixels(0, 1), 10)
        self.assertEqual(k.red_pixels(1, 0), 0, "a digit without a clash is red")
        k.keys("Control_L", "z")
        k.await_grid(SOLVED[:9] + "." * 72)
        self.assertEqual(k.red_pixels(0, 0), 0, "the red stayed after the clash was undone")
        self.assertEqual(k.quit(), 0)

    def test_paste_copy_hint_undo_and_refusals(self):
        k = self.kelvaro
        k.paste(FRAMED)
        k.await_grid(PUZZLE)
        k.keys("Control_L", "h")  # shows the step
        k.keys("Control_L", "h")  # makes it
        hinted = k.screen.wait_until(lambda: (lambda g: g if g != PUZZLE else None)(k.copy()),
                                     WAIT, "the second hint placed nothing")
        placed = [i for i in range(81) if hinted[i] != PUZZLE[i]]
        self.assertEqual(len(placed), 1, hinted)
        self.assertEqual(hinted[placed[0]], SOLVED[placed[0]], "the hint placed a wrong digit")
        k.keys("Control_L", "z")
        k.await_grid(PUZZLE)
        k.keys("Control_L", "z")
        k.await_grid(EMPTY)
        k.paste("12")  # refused with a message, the grid as it was
        k.answer_message("Paste puzzle")
        self.assertEqual(k.copy(), EMPTY)
        k.keys("Control_L", "p")  # Print, not Generate
        k.window("Print")
        k.keys("Escape")
        k.screen.await_window("Print", present=False, pid=k.process.pid, limit=WAIT)
        self.assertIsNone(k.screen.window("Select Difficulty.", pid=k.process.pid))
        self.assertEqual(k.quit(), 0)

    def test_generate_hard_then_solve_in_framed_centred_windows(self):
        k = self.kelvaro
        screen = (0, 0, SCREEN_WIDTH, SCREEN_HEIGHT)
        [main] = k.screen.frames_titled(MAIN_TITLE)
        self.assertTrue(centred(main.mapped_at, screen), f"main window at {main.mapped_at}")
        self.assertEqual(main.moved_after_map, [], "the main window moved once shown")

        dialog = k.press_button(1, opens="Select Difficulty.")
        x, y, _ = k.screen.client_geometry(dialog)
        easy = k.screen.picture(x + 65, y + 30, 20, 20)  # its option, checked
        k.click_until(dialog, 80, 100, lambda: k.screen.picture(x + 65, y + 90, 20, 20) == easy,
                      "checked Hard")
        k.click_until(dialog, 90, 132,
                      lambda: k.screen.window("Select Difficulty.", k.process.pid) is None,
                      "pressed OK")
        self.assertGreaterEqual(len(k.bar_states()), 3, "the progress bar did not advance")
        k.await_focus()
        puzzle = k.copy()
        givens = [i for i in range(81) if puzzle[i] != "."]
        # Hard leaves at least 4 empty cells in every row and column.
        for line in range(9):
            self.assertGreaterEqual(sum(puzzle[line * 9 + n] == "." for n in range(9)), 4, puzzle)
            self.assertGreaterEqual(sum(puzzle[n * 9 + line] == "." for n in range(9)), 4, puzzle)
        rating = subprocess.run([ENGINE, "rate"], input=puzzle + "\n", capture_output=True,
                                text=True, timeout=60).stdout
        self.assertEqual(rating.split("\t")[0], "1", f"not one solution: {rating}")

        [dialog_frame] = k.screen.frames_titled("Select Difficulty.")
        [progress] = k.screen.frames_titled("Generating Puzzle")
        self.assertTrue(centred(dialog_frame.mapped_at, main.mapped_at),
                        f"difficulty dialog at {dialog_frame.mapped_at}")
        self.assertTrue(centred(progress.mapped_at, screen), f"progress at {progress.mapped_at}")
        for frame in (dialog_frame, progress):
            self.assertEqual(frame.moved_after_map, [], f"{frame.title} moved once shown")

        k.press_button(0, opens="Solved!")
        k.answer_message("Solved!")
        solved = k.copy()
        self.assertTrue(sudoku_ok(solved), solved)
        self.assertTrue(all(solved[i] == puzzle[i] for i in givens), "Solve changed a given")
        self.assertEqual(k.quit(), 0)

    def test_about_and_its_close_leave_the_grid_alone(self):
        k = self.kelvaro
        k.paste(PUZZLE)
        k.await_grid(PUZZLE)
        k.press_button(4, opens="About Kelvaro")
        k.screen.click(k.main, 310, 22)  # Solve, dropped while About is open
        k.close_window("About Kelvaro")
        k.await_focus()
        [main] = k.screen.frames_titled(MAIN_TITLE)
        [about] = k.screen.frames_titled("About Kelvaro")
        self.assertTrue(centred(about.mapped_at, main.mapped_at), f"About at {about.mapped_at}")
        self.assertEqual(about.moved_after_map, [])
        self.assertIsNone(k.screen.window("Solved!", pid=k.process.pid))
        self.assertEqual(k.copy(), PUZZLE)
        self.assertEqual(k.quit(), 0)

    def test_new_puzzle_by_rating_cancelled_then_diabolical_in_framed_centred_windows(self):
        k = self.kelvaro
        k.paste(PUZZLE)
        k.await_grid(PUZZLE)
        k.keys("Control_L", "Shift_L", "n")
        k.window("New Puzzle by Rating")
        k.keys("Escape")
        k.screen.await_window("New Puzzle by Rating", present=False, pid=k.process.pid, limit=WAIT)
        k.await_focus()
        self.assertEqual(k.copy(), PUZZLE, "a cancel changed the grid")

        k.keys("Control_L", "Shift_L", "n")
        k.window("New Puzzle by Rating")
        # The focus is on the checked grade, Easy: down to Diabolical, then
        # past the symmetric option to OK.
        for key in ("Down", "Down", "Down", "Tab", "Tab", "Return"):
            k.keys(key)
        k.screen.await_window("New Puzzle by Rating", present=False, pid=k.process.pid, limit=WAIT)
        k.screen.await_window("Looking for a Puzzle", present=False, pid=k.process.pid, limit=WAIT)
        k.await_focus()
        puzzle = k.copy()
        fields = subprocess.run([ENGINE, "rate"], input=puzzle + "\n", capture_output=True,
                                text=True, timeout=60).stdout.split("\t")
        self.assertEqual(fields[0], "1", f"not one solution: {fields}")
        self.assertTrue(5.0 <= float(fields[1]) <= 6.4, f"not rated 5.0 - 6.4: {fields}")
        k.keys("Control_L", "k")
        k.answer_message("Check puzzle")

        [main] = k.screen.frames_titled(MAIN_TITLE)
        dialogs = k.screen.frames_titled("New Puzzle by Rating")
        [progress] = k.screen.frames_titled("Looking for a Puzzle")
        self.assertEqual(len(dialogs), 2)
        for dialog in dialogs:
            self.assertTrue(centred(dialog.mapped_at, main.mapped_at), f"dialog at {dialog.mapped_at}")
        self.assertTrue(centred(progress.mapped_at, (0, 0, SCREEN_WIDTH, SCREEN_HEIGHT)),
                        f"progress at {progress.mapped_at}")
        for frame in dialogs + [progress]:
            self.assertEqual(frame.moved_after_map, [], f"{frame.title} moved once shown")
        k.keys("Control_L", "z")
        k.await_grid(PUZZLE)
        self.assertEqual(k.quit(), 0)


class WebPage(unittest.TestCase):
    """The web-page window on the maker's site, served here over https."""

    def setUp(self):
        self.site = TestSite({"www.kelvaro.example/": MAKER_PAGE})
        self.kelvaro = Kelvaro(env={"QTWEBENGINE_CHROMIUM_FLAGS":
                                    f"{self.site.proxy_flag()} --ignore-certificate-errors"})

    def tearDown(self):
        self.kelvaro.stop()
        self.site.close()

    def test_the_page_opens_a_click_leaves_once_and_the_home_stays_clean(self):
        k = self.kelvaro
        about = k.press_button(4, opens="About Kelvaro")
        k.click_until(about, 150, 210, lambda: k.screen.window(WEB_TITLE, k.process.pid),
                      "followed the link")
        page = k.window(WEB_TITLE)
        k.screen.wait_until(lambda: "www.kelvaro.example/" in self.site.requests, WAIT,
                            "the maker's page was never asked for")
        x, y, _ = k.screen.client_geometry(page)

        def green():
            picture = k.screen.picture(x, y + 200, 800, 100)
            return sum(1 for line in picture for p in line if p == (10, 125, 50)) > 50000
        k.screen.wait_until(green, WAIT, "the page never showed")

        # The link to another site; a second click comes only if the first
        # one was lost for long.
        k.click_until(page, 400, 40, k.opened_in_browser, "opened the desktop's browser",
                      patience=8.0)
        time.sleep(1)  # time for a second opening, which must not come
        self.assertEqual(k.opened_in_browser(), ["https://elsewhere.example/"])
        self.assertTrue(green(), "the window left the maker's page")

        [about_frame] = k.screen.frames_titled("About Kelvaro")
        [page_frame] = k.screen.frames_titled(WEB_TITLE)
        self.assertTrue(centred(page_frame.mapped_at, about_frame.mapped_at),
                        f"web page at {page_frame.mapped_at}")
        self.assertEqual(page_frame.moved_after_map, [])

        k.close_window(WEB_TITLE)
        self.assertEqual(k.quit(), 0)
        self.assertEqual(k.left_in_home(), [], "left in the home")


def built_package():
    """The package that the install tests built, if any."""
    folder = os.environ.get("KELVARO_PACKAGE_DIR", "")
    found = sorted(glob.glob(os.path.join(folder, "kelvaro_*.deb"))) if folder else []
    return found[-1] if found else None


@unittest.skipUnless(built_package(), "no package built in KELVARO_PACKAGE_DIR")
class InstalledPackage(unittest.TestCase):
    """The Debian package installed with apt-get, run, and purged again.
    Needs root, and leaves alone a machine where Kelvaro is installed."""

    # What the package puts on the system, and where triggers add to it.
    PLACES = ["/usr/games", "/usr/lib/kelvaro", "/usr/share/applications", "/usr/share/doc",
              "/usr/share/icons/hicolor", "/usr/share/man/man6", "/usr/share/metainfo", "/etc"]

    def setUp(self):
        if os.geteuid() != 0:
            self.skipTest("installing a package needs root")
        # One such test at a time on the machine, whichever checkout runs it.
        self.lock = open("/tmp/kelvaro-package-test.lock", "w")
        fcntl.flock(self.lock, fcntl.LOCK_EX)
        self.addCleanup(self.lock.close)
        if subprocess.run(["dpkg-query", "-W", "kelvaro"], capture_output=True).returncode == 0:
            self.skipTest("Kelvaro is installed here already")

    def files(self):
        found = set()
        for place in self.PLACES:
            for folder, folders, files in os.walk(place):
                found |= {os.path.join(folder, name) for name in folders + files}
        return found

    def apt(self, *arguments):
        subprocess.run(["apt-get", "-y", "-q", "-o", "DPkg::Lock::Timeout=300", *arguments],
                       check=True, capture_output=True, timeout=600,
                       env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))

    def test_install_run_the_web_page_and_purge_leave_nothing(self):
        before = self.files()
        self.apt("install", "--no-install-recommends", os.path.abspath(built_package()))
        try:
            site = TestSite({"www.kelvaro.example/": MAKER_PAGE})
            k = Kelvaro("/usr/games/kelvaro", env={
                "QTWEBENGINE_CHROMIUM_FLAGS": f"{site.proxy_flag()} --ignore-certificate-errors"})
            try:
                about = k.press_button(4, opens="About Kelvaro")
                k.click_until(about, 150, 210, lambda: k.screen.window(WEB_TITLE, k.process.pid),
                              "followed the link")
                k.screen.wait_until(lambda: "www.kelvaro.example/" in site.requests, WAIT,
                                    "the installed program never asked for the maker's page")
                k.close_window(WEB_TITLE)
                self.assertEqual(k.quit(), 0)
                self.assertEqual(k.left_in_home(), [], "left in the home")
            finally:
                k.stop()
                site.close()
        finally:
            self.apt("purge", "kelvaro")
        self.assertEqual(sorted(self.files() - before), [], "left on the system")


if __name__ == "__main__":
    PROGRAM, ENGINE = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    unittest.main(argv=[sys.argv[0]] + sys.argv[3:], verbosity=2)
