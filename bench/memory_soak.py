#!/usr/bin/env python3
"""Drives the real program as a user would, under Xvfb and openbox, through
many cycles of Generate (Easy), Solve, Clear, About and a cancelled print, and
prints its resident memory every 100 cycles. Memory that keeps growing from
cycle 100 on is a leak; the first hundred cycles fill Qt's caches.

    bench/memory_soak.py [--program build/release/app/kelvaro]
                         [--cycles 1000] [--display :99]

Needs xvfb and openbox; clicks and keys go through the XTEST extension, as a
user's would (tests/x/x_session.py).
"""
import argparse
import os
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "x"))
from x_session import Desktop  # noqa: E402


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
    parser.add_argument("--display", default=None, help="a free one when not given")
    options = parser.parse_args()

    started = []
    # Stopped from outside, the run still takes down what it started.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    desktop = Desktop(tempfile.mkdtemp(prefix="memory-soak-openbox-"), options.display)
    try:
        program = subprocess.Popen([options.program], env=desktop.env, stderr=subprocess.DEVNULL)
        started.append(program)

        screen = desktop.screen
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
        for process in started:
            process.terminate()
            process.wait()
        desktop.close()


if __name__ == "__main__":
    sys.exit(main())
