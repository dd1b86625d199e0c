#!/usr/bin/env python3
"""Drives the real program as a user would, under Xvfb and openbox, through
many cycles of Generate (Easy), Solve, Clear, About and a cancelled print, and
prints its resident memory every 100 cycles. Memory that keeps growing from
cycle 100 on is a leak; the first hundred cycles fill Qt's caches.

    bench/memory_soak.py [--program build/release/app/kelvaro]
                         [--cycles 1000] [--display :99]

Needs xvfb and openbox (libX11 and libXtst come with them); clicks and keys
go through the XTEST extension, as a user's would.
"""
import argparse
import ctypes
import ctypes.util
import os
import signal
import subprocess
import sys
import time

x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
xtst = ctypes.CDLL(ctypes.util.find_library("Xtst") or "libXtst.so.6")

Window = ctypes.c_ulong
Atom = ctypes.c_ulong
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = Window
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XInternAtom.restype = Atom
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XGetWindowProperty.argtypes = [
    ctypes.c_void_p, Window, Atom, ctypes.c_long, ctypes.c_long, ctypes.c_int, Atom,
    ctypes.POINTER(Atom), ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
    ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]
x11.XFree.argtypes = [ctypes.c_void_p]
x11.XTranslateCoordinates.argtypes = [
    ctypes.c_void_p, Window, Window, ctypes.c_int, ctypes.c_int,
    ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int), ctypes.POINTER(Window)]
x11.XKeysymToKeycode.restype = ctypes.c_ubyte
x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XStringToKeysym.restype = ctypes.c_ulong
x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
# A window can go between listing it and reading its title: not an error.
IGNORE_ERROR = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)
x11.XSetErrorHandler.argtypes = [ctypes.c_void_p]
x11.XSetErrorHandler(ctypes.cast(IGNORE_ERROR, ctypes.c_void_p))
xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int,
                                      ctypes.c_ulong]
xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]


class Screen:
    def __init__(self, display_name):
        self.display = x11.XOpenDisplay(display_name.encode())
        if not self.display:
            raise SystemExit(f"memory_soak: cannot open display {display_name}")
        self.root = x11.XDefaultRootWindow(self.display)
        self.client_list = x11.XInternAtom(self.display, b"_NET_CLIENT_LIST", 0)
        self.wm_name = x11.XInternAtom(self.display, b"_NET_WM_NAME", 0)
        self.utf8 = x11.XInternAtom(self.display, b"UTF8_STRING", 0)

    def _property(self, window, name, kind, size):
        actual, fmt = Atom(), ctypes.c_int()
        count, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        if x11.XGetWindowProperty(self.display, window, name, 0, 4096, 0, kind, ctypes.byref(actual),
                                  ctypes.byref(fmt), ctypes.byref(count), ctypes.byref(after),
                                  ctypes.byref(data)) != 0 or not data.value:
            return b"" if size == 1 else []
        try:
            if size == 1:
                return ctypes.string_at(data.value, count.value)
            return list((Window * count.value).from_address(data.value))
        finally:
            x11.XFree(data)

    def window(self, title):
        """The window the window manager shows with this title, or None."""
        for window in self._property(self.root, self.client_list, 33, 32):  # XA_WINDOW
            if self._property(window, self.wm_name, self.utf8, 1).decode(errors="replace") == title:
                return window
        return None

    def await_window(self, title, present=True, limit=20.0):
        deadline = time.monotonic() + limit
        while time.monotonic() < deadline:
            window = self.window(title)
            if (window is not None) == present:
                return window
            time.sleep(0.005)
        raise TimeoutError(f'memory_soak: window "{title}" still {"missing" if present else "open"}')

    def click(self, window, x, y):
        root_x, root_y, child = ctypes.c_int(), ctypes.c_int(), Window()
        x11.XTranslateCoordinates(self.display, window, self.root, x, y, ctypes.byref(root_x),
                                  ctypes.byref(root_y), ctypes.byref(child))
        xtst.XTestFakeMotionEvent(self.display, -1, root_x.value, root_y.value, 0)
        xtst.XTestFakeButtonEvent(self.display, 1, 1, 0)
        xtst.XTestFakeButtonEvent(self.display, 1, 0, 0)
        x11.XSync(self.display, 0)

    def key(self, *names):
        codes = [x11.XKeysymToKeycode(self.display, x11.XStringToKeysym(n.encode())) for n in names]
        for code in codes:
            xtst.XTestFakeKeyEvent(self.display, code, 1, 0)
        for code in reversed(codes):
            xtst.XTestFakeKeyEvent(self.display, code, 0, 0)
        x11.XSync(self.display, 0)


def resident_kb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise SystemExit("memory_soak: the program has ended")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", default="build/release/app/kelvaro")
    parser.add_argument("--cycles", type=int, default=1000)
    parser.add_argument("--display", default=":99")
    options = parser.parse_args()

    env = dict(os.environ, DISPLAY=options.display)
    started = []
    # Stopped from outside, the run still takes down what it started.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    try:
        started.append(subprocess.Popen(["Xvfb", options.display, "-screen", "0", "1280x1024x24",
                                         "-nolisten", "tcp"], stderr=subprocess.DEVNULL))
        time.sleep(1)
        if started[0].poll() is not None:
            raise SystemExit(f"memory_soak: display {options.display} is in use")
        started.append(subprocess.Popen(["openbox"], env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL))
        time.sleep(1)
        program = subprocess.Popen([options.program], env=env, stderr=subprocess.DEVNULL)
        started.append(program)

        screen = Screen(options.display)
        title = "Kelvaro - (c) 2026 Kelvaro team"
        main_window = screen.await_window(title)
        time.sleep(0.5)

        def press_button(number):  # the centre of button 0 to 4 of the main window
            screen.click(main_window, 310, 22 + 30 * number)

        def gone(title):
            screen.await_window(title, present=False)
            # Let focus settle on the main window again: a click that comes
            # sooner is now and then lost on the way.
            time.sleep(0.03)

        def open_with(number, title):
            """Presses the button until the window it opens is there."""
            for _ in range(5):
                press_button(number)
                try:
                    return screen.await_window(title, limit=1.0)
                except TimeoutError:
                    print(f"(a press of button {number} was lost; pressed again)", file=sys.stderr)
            raise SystemExit(f'memory_soak: button {number} never opened "{title}"')

        def cycle():
            dialog = open_with(1, "Select Difficulty.")       # Generate
            screen.click(dialog, 90, 132)                     # OK, Easy checked
            screen.await_window("Select Difficulty.", present=False)
            # The progress window follows the dialog at once; once it has
            # come and gone the puzzle stands in the grid.
            time.sleep(0.05)
            gone("Generating Puzzle")

            open_with(0, "Solved!")                           # Solve
            screen.key("Return")
            gone("Solved!")

            press_button(2)                                   # Clear

            open_with(4, "About Kelvaro")                     # About
            screen.key("Alt_L", "F4")                         # openbox: close
            gone("About Kelvaro")

            open_with(3, "Print")                             # Print, cancelled
            screen.key("Escape")
            gone("Print")

        print(f"{'cycle':>6} {'rss (KB)':>10}", flush=True)
        print(f"{0:>6} {resident_kb(program.pid):>10}", flush=True)
        at = {}
        for number in range(1, options.cycles + 1):
            cycle()
            if number % 100 == 0:
                at[number] = resident_kb(program.pid)
                print(f"{number:>6} {at[number]:>10}", flush=True)
        if 100 in at and options.cycles in at:
            growth = at[options.cycles] - at[100]
            print(f"growth from cycle 100 to cycle {options.cycles}: {growth} KB", flush=True)
    finally:
        for process in reversed(started):
            process.terminate()
            process.wait()


if __name__ == "__main__":
    sys.exit(main())
