"""A private X display with a window manager, driven as a user drives it.

Starts Xvfb and openbox on a free display, presses keys and clicks through
the XTEST extension (so they arrive as a user's would), reads the clipboard
with xclip, takes pictures of the screen, and watches the window manager's
frames: where each of the program's windows first appeared, framed, and
whether it moved once it was on the screen.

Used by the X test stage (tests/x/x_stage.py) and bench/memory_soak.py.
"""
import ctypes
import ctypes.util
import os
import select
import subprocess
import threading
import time

x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
xtst = ctypes.CDLL(ctypes.util.find_library("Xtst") or "libXtst.so.6")
# The frames are watched from a thread of their own, on a connection of its own.
x11.XInitThreads()

Window = ctypes.c_ulong
Atom = ctypes.c_ulong
Display = ctypes.c_void_p


class AnyEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", Display), ("event", Window), ("window", Window)]


class ConfigureEvent(ctypes.Structure):
    _fields_ = AnyEvent._fields_ + [("x", ctypes.c_int), ("y", ctypes.c_int),
                                    ("width", ctypes.c_int), ("height", ctypes.c_int)]


class ReparentEvent(ctypes.Structure):
    _fields_ = AnyEvent._fields_ + [("parent", Window)]


class Event(ctypes.Union):
    _fields_ = [("any", AnyEvent), ("configure", ConfigureEvent), ("reparent", ReparentEvent),
                ("pad", ctypes.c_long * 24)]


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
                ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]


def _declare(function, result, *arguments):
    function.restype = result
    function.argtypes = list(arguments)


_declare(x11.XOpenDisplay, Display, ctypes.c_char_p)
_declare(x11.XCloseDisplay, ctypes.c_int, Display)
_declare(x11.XDefaultRootWindow, Window, Display)
_declare(x11.XInternAtom, Atom, Display, ctypes.c_char_p, ctypes.c_int)
_declare(x11.XGetWindowProperty, ctypes.c_int, Display, Window, Atom, ctypes.c_long, ctypes.c_long,
         ctypes.c_int, Atom, ctypes.POINTER(Atom), ctypes.POINTER(ctypes.c_int),
         ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
         ctypes.POINTER(ctypes.c_void_p))
_declare(x11.XFree, ctypes.c_int, ctypes.c_void_p)
_declare(x11.XTranslateCoordinates, ctypes.c_int, Display, Window, Window, ctypes.c_int,
         ctypes.c_int, ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int),
         ctypes.POINTER(Window))
_declare(x11.XKeysymToKeycode, ctypes.c_ubyte, Display, ctypes.c_ulong)
_declare(x11.XStringToKeysym, ctypes.c_ulong, ctypes.c_char_p)
_declare(x11.XSync, ctypes.c_int, Display, ctypes.c_int)
_declare(x11.XSelectInput, ctypes.c_int, Display, Window, ctypes.c_long)
_declare(x11.XPending, ctypes.c_int, Display)
_declare(x11.XConnectionNumber, ctypes.c_int, Display)
_declare(x11.XNextEvent, ctypes.c_int, Display, ctypes.POINTER(Event))
_declare(x11.XGetImage, ctypes.POINTER(XImage), Display, Window, ctypes.c_int, ctypes.c_int,
         ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int)
_declare(x11.XDestroyImage, ctypes.c_int, ctypes.POINTER(XImage))
_declare(x11.XGetInputFocus, ctypes.c_int, Display, ctypes.POINTER(Window),
         ctypes.POINTER(ctypes.c_int))
_declare(xtst.XTestFakeMotionEvent, ctypes.c_int, Display, ctypes.c_int, ctypes.c_int,
         ctypes.c_int, ctypes.c_ulong)
_declare(xtst.XTestFakeButtonEvent, ctypes.c_int, Display, ctypes.c_uint, ctypes.c_int,
         ctypes.c_ulong)
_declare(xtst.XTestFakeKeyEvent, ctypes.c_int, Display, ctypes.c_uint, ctypes.c_int,
         ctypes.c_ulong)
# A window can go between being listed and being read: not an error.
_IGNORE_ERROR = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)
x11.XSetErrorHandler.argtypes = [ctypes.c_void_p]
x11.XSetErrorHandler(ctypes.cast(_IGNORE_ERROR, ctypes.c_void_p))

_XA_WINDOW = 33
_XA_CARDINAL = 6
_SUBSTRUCTURE_NOTIFY = 1 << 19
_CREATE_NOTIFY, _CONFIGURE_NOTIFY, _REPARENT_NOTIFY, _MAP_NOTIFY, _UNMAP_NOTIFY = \
    16, 22, 21, 19, 18
_Z_PIXMAP = 2

SCREEN_WIDTH, SCREEN_HEIGHT = 1280, 1024


class Frame:
    """A window as the window manager shows it: its title and where its
    frame (title bar and borders included) stood when first mapped."""

    def __init__(self, title):
        self.title = title
        self.geometry = None        # x, y, width, height while not yet mapped
        self.mapped_at = None       # the geometry when it first showed
        self.moved_after_map = []   # geometries it was moved to after that
        self.unmapped = False


def free_display():
    """A display number that no X server holds."""
    for number in range(90, 200):
        if not os.path.exists(f"/tmp/.X{number}-lock") and \
                not os.path.exists(f"/tmp/.X11-unix/X{number}"):
            return f":{number}"
    raise RuntimeError("no free X display between :90 and :199")


class Desktop:
    """Xvfb and openbox on a display of their own, stopped by close()."""

    def __init__(self, home, display=None):
        self.display = display or free_display()
        self.env = dict(os.environ, DISPLAY=self.display)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env.pop("QT_QPA_PLATFORM", None)
        self._started = []
        self._started.append(subprocess.Popen(
            ["Xvfb", self.display, "-screen", "0", f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24",
             "-nolisten", "tcp"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        self.screen = None
        deadline = time.monotonic() + 20
        while self.screen is None:
            if self._started[0].poll() is not None or time.monotonic() > deadline:
                self.close()
                raise RuntimeError(f"Xvfb did not start on {self.display}")
            time.sleep(0.05)
            self.screen = Screen.open(self.display)
        # openbox keeps its own files in a home of its own.
        self._started.append(subprocess.Popen(
            ["openbox"], env=dict(self.env, HOME=home), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL))
        self.screen.await_window_manager()

    def close(self):
        if self.screen is not None:
            self.screen.close()
            self.screen = None
        for process in reversed(self._started):
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        self._started = []


class _Connection:
    """A connection to the display and the properties read through it."""

    def __init__(self, display, display_name):
        self.display = display
        self.name = display_name
        self.root = x11.XDefaultRootWindow(display)
        self._atoms = {}

    def atom(self, name):
        if name not in self._atoms:
            self._atoms[name] = x11.XInternAtom(self.display, name.encode(), 0)
        return self._atoms[name]

    def _property(self, window, name, kind, size):
        actual, fmt = Atom(), ctypes.c_int()
        count, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        if x11.XGetWindowProperty(self.display, window, self.atom(name), 0, 4096, 0, kind,
                                  ctypes.byref(actual), ctypes.byref(fmt), ctypes.byref(count),
                                  ctypes.byref(after), ctypes.byref(data)) != 0 or not data.value:
            return b"" if size == 8 else []
        try:
            if size == 8:
                return ctypes.string_at(data.value, count.value)
            return list((ctypes.c_ulong * count.value).from_address(data.value))
        finally:
            x11.XFree(data)

    def title(self, window):
        return self._property(window, "_NET_WM_NAME", self.atom("UTF8_STRING"), 8).decode(
            errors="replace")


class _FrameWatch(_Connection):
    """Follows what the window manager does from a thread of its own, so that
    a window's title is read the moment it is framed: a window that shows
    for a few milliseconds (a quick search's progress window) is gone, and
    its title with it, by the time the test would next look."""

    def __init__(self, display_name):
        display = x11.XOpenDisplay(display_name.encode())
        if not display:
            raise RuntimeError(f"cannot open {display_name} to watch its frames")
        super().__init__(display, display_name)
        self._lock = threading.Lock()
        self._frames = {}          # frame window -> Frame
        self._geometry = {}       # frame window -> its latest geometry
        x11.XSelectInput(display, self.root, _SUBSTRUCTURE_NOTIFY)
        x11.XSync(display, 0)
        self._stopping = False
        self._thread = threading.Thread(target=self._watch, daemon=True)
        self._thread.start()

    def close(self):
        self._stopping = True
        self._thread.join()
        x11.XCloseDisplay(self.display)

    def _watch(self):
        connection = x11.XConnectionNumber(self.display)
        while not self._stopping:
            select.select([connection], [], [], 0.05)
            self._take_in(sync=False)

    def _take_in(self, sync=True):
        """Takes in every event the server has sent; with sync, every one it
        sent before this call."""
        with self._lock:
            if sync:
                x11.XSync(self.display, 0)
            event = Event()
            while x11.XPending(self.display):
                x11.XNextEvent(self.display, ctypes.byref(event))
                self._take(event)

    def forget(self):
        self._take_in()
        with self._lock:
            self._frames.clear()

    def titled(self, title):
        """The frames shown so far with this title."""
        self._take_in()
        with self._lock:
            return [f for f in self._frames.values() if f.title == title and f.mapped_at is not None]

    def _take(self, event):
        kind = event.any.type
        if kind == _REPARENT_NOTIFY and event.reparent.parent != self.root:
            # The window manager puts a new client into its frame.
            client, frame = event.reparent.window, event.reparent.parent
            self._frames[frame] = Frame(self.title(client))
            self._frames[frame].geometry = self._geometry.get(frame)
        elif kind in (_CREATE_NOTIFY, _CONFIGURE_NOTIFY):
            c = event.configure
            geometry = (c.x, c.y, c.width, c.height)
            self._geometry[c.window] = geometry
            frame = self._frames.get(c.window)
            if frame is not None and not frame.unmapped:
                if frame.mapped_at is None:
                    frame.geometry = geometry
                elif geometry[:2] != frame.mapped_at[:2]:
                    frame.moved_after_map.append(geometry)
        elif kind == _MAP_NOTIFY:
            frame = self._frames.get(event.any.window)
            if frame is not None and frame.mapped_at is None:
                frame.mapped_at = frame.geometry
        elif kind == _UNMAP_NOTIFY:
            # Once gone, the frame is shrunk and moved on its way out.
            frame = self._frames.get(event.any.window)
            if frame is not None and frame.mapped_at is not None:
                frame.unmapped = True


class Screen(_Connection):
    """One connection to the display: input, pictures and the frames."""

    @classmethod
    def open(cls, display_name):
        display = x11.XOpenDisplay(display_name.encode())
        return cls(display, display_name) if display else None

    def __init__(self, display, display_name):
        super().__init__(display, display_name)
        self._frames = _FrameWatch(display_name)

    def close(self):
        self._frames.close()
        x11.XCloseDisplay(self.display)

    def await_window_manager(self, limit=20.0):
        self.wait_until(lambda: self._property(self.root, "_NET_SUPPORTING_WM_CHECK",
                                               _XA_WINDOW, 32), limit, "no window manager")

    # -- the frames ---------------------------------------------------------

    def forget_frames(self):
        self._frames.forget()

    def frames_titled(self, title):
        return self._frames.titled(title)

    # -- windows ------------------------------------------------------------

    def window(self, title, pid=None):
        """The client window the window manager shows with this title (of
        the process `pid`, where given), or None."""
        for window in self._property(self.root, "_NET_CLIENT_LIST", _XA_WINDOW, 32):
            if self.title(window) != title:
                continue
            if pid is None or self._property(window, "_NET_WM_PID", _XA_CARDINAL, 32) == [pid]:
                return window
        return None

    def titles(self, pid=None):
        """The titles of the windows the window manager shows (of `pid`)."""
        return [self.title(w) for w in self._property(self.root, "_NET_CLIENT_LIST", _XA_WINDOW, 32)
                if pid is None or self._property(w, "_NET_WM_PID", _XA_CARDINAL, 32) == [pid]]

    def wait_until(self, condition, limit, failure):
        deadline = time.monotonic() + limit
        while True:
            result = condition()
            if result:
                return result
            if time.monotonic() > deadline:
                raise TimeoutError(failure)
            time.sleep(0.005)

    def await_window(self, title, present=True, limit=20.0, pid=None):
        if present:
            return self.wait_until(lambda: self.window(title, pid), limit,
                                   f'window "{title}" never showed')
        self.wait_until(lambda: self.window(title, pid) is None, limit,
                        f'window "{title}" stayed open')
        return None

    def client_geometry(self, window):
        """Where the window's client area stands on the screen, and its size."""
        x, y, child = ctypes.c_int(), ctypes.c_int(), Window()
        x11.XTranslateCoordinates(self.display, window, self.root, 0, 0, ctypes.byref(x),
                                  ctypes.byref(y), ctypes.byref(child))
        extents = self._property(window, "_NET_FRAME_EXTENTS", _XA_CARDINAL, 32)
        return x.value, y.value, extents

    def focused_window(self):
        focus, revert = Window(), ctypes.c_int()
        x11.XGetInputFocus(self.display, ctypes.byref(focus), ctypes.byref(revert))
        return focus.value

    # -- input --------------------------------------------------------------

    def click(self, window, x, y, button=1):
        root_x, root_y, child = ctypes.c_int(), ctypes.c_int(), Window()
        x11.XTranslateCoordinates(self.display, window, self.root, x, y, ctypes.byref(root_x),
                                  ctypes.byref(root_y), ctypes.byref(child))
        xtst.XTestFakeMotionEvent(self.display, -1, root_x.value, root_y.value, 0)
        xtst.XTestFakeButtonEvent(self.display, button, 1, 0)
        xtst.XTestFakeButtonEvent(self.display, button, 0, 0)
        x11.XSync(self.display, 0)

    def key(self, *names):
        """Presses the keys together, as a chord (Control_L, v), and lets go."""
        codes = [x11.XKeysymToKeycode(self.display, x11.XStringToKeysym(n.encode()))
                 for n in names]
        for code in codes:
            xtst.XTestFakeKeyEvent(self.display, code, 1, 0)
        for code in reversed(codes):
            xtst.XTestFakeKeyEvent(self.display, code, 0, 0)
        x11.XSync(self.display, 0)

    def type(self, text):
        for character in text:
            self.key(character)

    # -- the screen ---------------------------------------------------------

    def picture(self, x, y, width, height):
        """The screen's pixels in that rectangle: rows of (red, green, blue)."""
        image = x11.XGetImage(self.display, self.root, x, y, width, height, 0xFFFFFFFF, _Z_PIXMAP)
        if not image:
            raise RuntimeError("the screen could not be read")
        try:
            stride = image.contents.bytes_per_line
            data = ctypes.string_at(image.contents.data, stride * height)
        finally:
            x11.XDestroyImage(image)
        return [[(data[row * stride + 4 * col + 2], data[row * stride + 4 * col + 1],
                  data[row * stride + 4 * col]) for col in range(width)] for row in range(height)]


def clipboard_text(env):
    """The clipboard's text, as another program pasting it would get it."""
    return subprocess.run(["xclip", "-selection", "clipboard", "-o"], env=env,
                          capture_output=True, timeout=10).stdout.decode()


def set_clipboard_text(env, text, limit=20.0):
    """Puts text on the clipboard, held by xclip until another program takes
    it. xclip takes the clipboard from its own background process, so this
    returns once the clipboard reads back the text."""
    subprocess.run(["xclip", "-selection", "clipboard", "-i"], env=env, input=text.encode(),
                   timeout=10, check=True)
    deadline = time.monotonic() + limit
    while clipboard_text(env) != text:
        if time.monotonic() > deadline:
            raise TimeoutError("xclip never held the clipboard")
        time.sleep(0.01)
