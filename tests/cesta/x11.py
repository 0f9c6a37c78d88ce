"""The few X11 calls the road test needs that xdotool lacks: closing a window
the way a window manager's close button does (WM_DELETE_WINDOW), and reading
the screen's pixels."""
import ctypes
import ctypes.util
import subprocess

_x = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
_x.XOpenDisplay.restype = ctypes.c_void_p
_x.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x.XInternAtom.restype = ctypes.c_ulong
_x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
_x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
_x.XFlush.argtypes = [ctypes.c_void_p]


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("l", ctypes.c_long * 5)]


class _Event(ctypes.Union):
    _fields_ = [("xclient", _ClientMessage), ("pad", ctypes.c_long * 24)]


_display = None


def _dpy():
    global _display
    if _display is None:
        _display = _x.XOpenDisplay(None)
        if not _display:
            raise RuntimeError("no X display")
    return _display


def zavri(okno):
    """Asks a top-level window to close, as the close button of its frame would."""
    d = _dpy()
    e = _Event()
    e.xclient.type = 33  # ClientMessage
    e.xclient.window = okno
    e.xclient.message_type = _x.XInternAtom(d, b"WM_PROTOCOLS", 0)
    e.xclient.format = 32
    e.xclient.l[0] = _x.XInternAtom(d, b"WM_DELETE_WINDOW", 0)
    e.xclient.l[1] = 0  # CurrentTime
    _x.XSendEvent(d, okno, 0, 0, ctypes.byref(e))
    _x.XFlush(d)


def obrazovka(sirka, vyska):
    """The whole screen as rows of RGB bytes."""
    data = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], check=True,
                          capture_output=True).stdout
    if len(data) != sirka * vyska * 3:
        raise RuntimeError("unexpected screen size")
    return [data[r * sirka * 3:(r + 1) * sirka * 3] for r in range(vyska)]
