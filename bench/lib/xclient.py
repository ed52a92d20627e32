"""A small X client for the benchmarks, over ctypes (libX11, libXtst): it sees top-level
windows being mapped the moment the server maps them, and presses keys and mouse buttons
through the XTEST extension, each with a CLOCK_MONOTONIC timestamp taken just before the
request leaves (the same clock as the MIDI log's)."""

import ctypes
import ctypes.util
import os
import select
import time

_x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
_xtst = ctypes.CDLL(ctypes.util.find_library("Xtst") or "libXtst.so.6")

Window = ctypes.c_ulong
Atom = ctypes.c_ulong

_x11.XOpenDisplay.restype = ctypes.c_void_p
_x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x11.XDefaultRootWindow.restype = Window
_x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_x11.XInternAtom.restype = Atom
_x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
_x11.XSelectInput.argtypes = [ctypes.c_void_p, Window, ctypes.c_long]
_x11.XConnectionNumber.argtypes = [ctypes.c_void_p]
_x11.XPending.argtypes = [ctypes.c_void_p]
_x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
_x11.XFlush.argtypes = [ctypes.c_void_p]
_x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
_x11.XFree.argtypes = [ctypes.c_void_p]
_x11.XGetWindowProperty.argtypes = [
    ctypes.c_void_p, Window, Atom, ctypes.c_long, ctypes.c_long, ctypes.c_int, Atom,
    ctypes.POINTER(Atom), ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
    ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]
_x11.XGetGeometry.argtypes = [
    ctypes.c_void_p, Window, ctypes.POINTER(Window), ctypes.POINTER(ctypes.c_int),
    ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_uint), ctypes.POINTER(ctypes.c_uint),
    ctypes.POINTER(ctypes.c_uint), ctypes.POINTER(ctypes.c_uint)]
_x11.XSetInputFocus.argtypes = [ctypes.c_void_p, Window, ctypes.c_int, ctypes.c_ulong]
_x11.XStringToKeysym.restype = ctypes.c_ulong
_x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
_x11.XKeysymToKeycode.restype = ctypes.c_ubyte
_x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
_xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
_xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                       ctypes.c_ulong]
_xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int,
                                       ctypes.c_ulong]

_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
# A window that vanished between its event and our question is no reason to end the process.
_ignore_errors = _ERROR_HANDLER(lambda display, error: 0)
_x11.XSetErrorHandler(_ignore_errors)

_SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
_MAP_NOTIFY = 19
_REVERT_TO_PARENT = 2
_MODIFIER_KEYS = {"alt": "Alt_L", "ctrl": "Control_L", "shift": "Shift_L"}


class _MapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", Window), ("window", Window),
                ("override_redirect", ctypes.c_int)]


class _Event(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("map", _MapEvent), ("pad", ctypes.c_long * 24)]


class Display:
    def __init__(self, name=None):
        self.dpy = _x11.XOpenDisplay(name.encode() if name else None)
        if not self.dpy:
            raise RuntimeError("cannot open the display")
        self.root = _x11.XDefaultRootWindow(self.dpy)
        self.net_wm_name = _x11.XInternAtom(self.dpy, b"_NET_WM_NAME", 0)
        _x11.XSelectInput(self.dpy, self.root, _SUBSTRUCTURE_NOTIFY_MASK)
        _x11.XSync(self.dpy, 0)
        self.fd = _x11.XConnectionNumber(self.dpy)
        self.mapped = []  # (monotonic time seen, window) of every top-level map so far

    def title(self, window):
        actual_type, actual_format = Atom(), ctypes.c_int()
        count, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        status = _x11.XGetWindowProperty(self.dpy, window, self.net_wm_name, 0, 1024, 0, 0,
                                         ctypes.byref(actual_type), ctypes.byref(actual_format),
                                         ctypes.byref(count), ctypes.byref(after),
                                         ctypes.byref(data))
        if status != 0 or not data.value:
            return None
        text = ctypes.string_at(data.value, count.value).decode("utf-8", "replace")
        _x11.XFree(data)
        return text

    def _drain(self):
        event = _Event()
        while _x11.XPending(self.dpy):
            _x11.XNextEvent(self.dpy, ctypes.byref(event))
            if event.type == _MAP_NOTIFY:
                self.mapped.append((time.monotonic(), event.map.window))

    def wait_mapped(self, title, timeout, since=0.0):
        """(time, window) of the first map after `since` of a window titled `title`."""
        deadline = time.monotonic() + timeout
        while True:
            self._drain()
            for seen, window in self.mapped:
                if seen >= since and self.title(window) == title:
                    return seen, window
            left = deadline - time.monotonic()
            if left <= 0:
                raise TimeoutError(f"no window '{title}' mapped within {timeout} s")
            select.select([self.fd], [], [], min(left, 0.05))

    def geometry(self, window):
        root, x, y = Window(), ctypes.c_int(), ctypes.c_int()
        width, height, border, depth = (ctypes.c_uint() for _ in range(4))
        _x11.XGetGeometry(self.dpy, window, ctypes.byref(root), ctypes.byref(x), ctypes.byref(y),
                          ctypes.byref(width), ctypes.byref(height), ctypes.byref(border),
                          ctypes.byref(depth))
        return x.value, y.value, width.value, height.value

    def focus(self, window):
        _x11.XSetInputFocus(self.dpy, window, _REVERT_TO_PARENT, 0)
        _x11.XSync(self.dpy, 0)

    def _keycode(self, name):
        return _x11.XKeysymToKeycode(self.dpy, _x11.XStringToKeysym(name.encode()))

    def key(self, name):
        """Presses and releases a key, with modifiers held if named as in "alt+s" or
        "ctrl+a"; returns the time just before the key's press was sent."""
        *modifiers, last = name.split("+")
        held = [self._keycode(_MODIFIER_KEYS[m]) for m in modifiers]
        for code in held:
            _xtst.XTestFakeKeyEvent(self.dpy, code, 1, 0)
        code = self._keycode(last)
        pressed = time.monotonic()
        _xtst.XTestFakeKeyEvent(self.dpy, code, 1, 0)
        _x11.XFlush(self.dpy)
        _xtst.XTestFakeKeyEvent(self.dpy, code, 0, 0)
        for code in reversed(held):
            _xtst.XTestFakeKeyEvent(self.dpy, code, 0, 0)
        _x11.XSync(self.dpy, 0)
        return pressed

    def move(self, x, y):
        _xtst.XTestFakeMotionEvent(self.dpy, -1, x, y, 0)
        _x11.XSync(self.dpy, 0)

    def button(self, down):
        """Presses or releases the left button; returns the time just before it was sent."""
        sent = time.monotonic()
        _xtst.XTestFakeButtonEvent(self.dpy, 1, 1 if down else 0, 0)
        _x11.XSync(self.dpy, 0)
        return sent


def display_from_environment():
    return Display(os.environ.get("DISPLAY"))
