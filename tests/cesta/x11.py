"""What the road test needs of the X server: xdotool for the mouse, the keys
and finding windows, a few Xlib calls xdotool lacks (closing a window the way
a window manager's close button does, WM_DELETE_WINDOW), and the screen's
pixels through ImageMagick's import. Without a window manager a window's
geometry is its client area, so points inside a window are given in the
program's own client coordinates."""
import ctypes
import ctypes.util
import subprocess
import time

CEKANI = 30.0  # a sanitizer build starts and draws several times slower


class Selhani(Exception):
    """A step of the road did not show what it should."""


def xdo(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True,
                          text=True).stdout.strip()


# The program under test (a Popen): a wait ends at once when it has ended.
program = None


def cekej_na(podminka, popis, cekani=CEKANI):
    """Polls until `podminka()` gives a true value and returns it."""
    konec = time.monotonic() + cekani
    while True:
        v = podminka()
        if v:
            return v
        if program is not None and program.poll() is not None:
            raise Selhani("%s: the program ended with %d" % (popis, program.returncode))
        if time.monotonic() > konec:
            raise Selhani(popis)
        time.sleep(0.05)


def _regex(text):
    return "".join("\\" + c if c in ".^$*+?()[]{}|\\" else c for c in text)


def okna(nazev=None):
    """Visible windows whose caption is exactly `nazev` (any caption: all)."""
    vzor = ".*" if nazev is None else "^%s$" % _regex(nazev)
    r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", vzor], capture_output=True, text=True)
    return [int(w) for w in r.stdout.split()]


def cekej(nazev, ma_byt=True):
    """The window of caption `nazev` once it is shown (or None once it is gone)."""
    def stav():
        w = okna(nazev)
        return (w[0] if w else None,) if bool(w) == ma_byt else None
    return cekej_na(stav, "%s: window %s" % (nazev, "did not appear" if ma_byt else "did not close"))[0]


def nove_okno(drive, popis, nejmene=(0, 0)):
    """A window shown since the list `drive` of okna() was taken, at least
    `nejmene` (width, height) large (a tooltip is a window too)."""
    def nove():
        return [w for w in okna() if w not in drive and all(a >= b for a, b in zip(geometrie(w)[2:], nejmene))]
    return cekej_na(nove, popis + ": no window appeared")[0]


def popup(w, x, y, tlacitko=1):
    """A click at client point (x, y) of window w that opens a popup (a
    context menu, a combo box's list), once the popup is there."""
    drive = okna()
    klik(w, x, y, tlacitko)
    return nove_okno(drive, "popup")


def geometrie(w):
    hodnoty = dict(radek.split("=") for radek in xdo("getwindowgeometry", "--shell", w).splitlines())
    return int(hodnoty["X"]), int(hodnoty["Y"]), int(hodnoty["WIDTH"]), int(hodnoty["HEIGHT"])


def presun(w, x, y):
    """Moves a window as a student drags its title bar, and waits until it is there."""
    xdo("windowmove", "--sync", w, x, y)
    cekej_na(lambda: geometrie(w)[:2] == (x, y), "window did not move")


def bod(w, x, y):
    """The screen point of client point (x, y) of window w."""
    x0, y0, _, _ = geometrie(w)
    return x0 + x, y0 + y


def klik(w, x, y, tlacitko=1):
    """A click at client point (x, y) of window w (the middle of a button, say)."""
    xdo("mousemove", *bod(w, x, y), "click", tlacitko)


def tahni(w1, odkud, w2, kam):
    """Presses the left button at a client point of w1 and moves to one of w2
    in steps, as a hand moves, so that a drag starts and crosses windows. The
    button stays down: pust() drops."""
    x1, y1 = bod(w1, *odkud)
    x2, y2 = bod(w2, *kam)
    xdo("mousemove", x1, y1, "mousedown", 1)
    kroku = 20
    for k in range(1, kroku + 1):
        xdo("mousemove", x1 + (x2 - x1) * k // kroku, y1 + (y2 - y1) * k // kroku)
        time.sleep(0.03)


def pust():
    """Drops what tahni() drags, after one more move over the target."""
    xdo("mousemove_relative", "--", 1, 1)
    time.sleep(0.1)
    xdo("mouseup", 1)


def pis(text):
    xdo("type", "--delay", 10, text)


def klavesy(*nazvy):
    for k in nazvy:
        xdo("key", k)
        time.sleep(0.05)


def vyrez(w, x, y, sirka, vyska):
    """The pixels (RGB bytes) of a rectangle given in client coordinates of
    w, as the program has drawn them by now."""
    dozeneme(w)
    sx, sy = bod(w, x, y)
    data = subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (sirka, vyska, sx, sy),
                           "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
    if len(data) != sirka * vyska * 3:
        raise RuntimeError("unexpected picture size")
    return data


def cekej_na_zmenu(w, oblast, drive, popis):
    """Waits until the rectangle `oblast` of window w differs from `drive`."""
    def zmena():
        ted = vyrez(w, *oblast)
        return ted if ted != drive else None
    return cekej_na(zmena, popis)


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


_x.XDefaultRootWindow.restype = ctypes.c_ulong
_x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
_x.XPending.argtypes = [ctypes.c_void_p]
_x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
_ClientMessageTyp = 33
_NotifyMask = (1 << 17) | (1 << 19)  # StructureNotify, SubstructureNotify

_display = None
_ping = 0


# A window that is gone by the time a message reaches it is no reason to
# end the test: the wait that follows reports what did not happen.
_chyba_x = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)
_x.XSetErrorHandler.argtypes = [ctypes.c_void_p]


def _dpy():
    global _display
    if _display is None:
        _x.XSetErrorHandler(ctypes.cast(_chyba_x, ctypes.c_void_p))
        _display = _x.XOpenDisplay(None)
        if not _display:
            raise RuntimeError("no X display")
        # A window's answer to a ping goes to the root window.
        _x.XSelectInput(_display, _x.XDefaultRootWindow(_display), _NotifyMask)
    return _display


def _posli(okno, protokol, *data):
    """A WM_PROTOCOLS message to a top-level window, as a window manager sends it."""
    d = _dpy()
    e = _Event()
    e.xclient.type = _ClientMessageTyp
    e.xclient.window = okno
    e.xclient.message_type = _x.XInternAtom(d, b"WM_PROTOCOLS", 0)
    e.xclient.format = 32
    e.xclient.l[0] = _x.XInternAtom(d, protokol, 0)
    for i, v in enumerate(data):
        e.xclient.l[1 + i] = v
    _x.XSendEvent(d, okno, 0, 0, ctypes.byref(e))
    _x.XFlush(d)


def zavri_okno(okno):
    """Asks a top-level window to close, as the close button of its frame would."""
    _posli(okno, b"WM_DELETE_WINDOW", 0)  # CurrentTime


def dozeneme(okno):
    """Returns once the program has handled every X event sent to it before,
    the exposures of what a closed window uncovered among them: its window
    answers a window manager's ping (_NET_WM_PING) in turn. Until then the
    screen may still show a window that is gone."""
    global _ping
    _ping += 1
    d = _dpy()
    _posli(okno, b"_NET_WM_PING", _ping, okno)
    ping = _x.XInternAtom(d, b"_NET_WM_PING", 0)
    e = _Event()

    def odpoved():
        while _x.XPending(d):
            _x.XNextEvent(d, ctypes.byref(e))
            if e.xclient.type == _ClientMessageTyp and e.xclient.l[0] == ping and e.xclient.l[1] == _ping:
                return True
        return False
    cekej_na(odpoved, "the program does not answer")


def zavri(nazev, w):
    """Closes the window w of caption `nazev` and waits until it is gone."""
    zavri_okno(w)
    cekej(nazev, ma_byt=False)


def obrazovka(sirka, vyska):
    """The whole screen as rows of RGB bytes."""
    data = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], check=True,
                          capture_output=True).stdout
    if len(data) != sirka * vyska * 3:
        raise RuntimeError("unexpected screen size")
    return [data[r * sirka * 3:(r + 1) * sirka * 3] for r in range(vyska)]
