#!/usr/bin/env python3
"""A student's road through the real program on an X server, driven by
xdotool: every window from the menu and from the topic index, and F1 in each.
Fails on any step that does not show its window, on a help topic that is not
written, and on anything the program prints (a warning, a sanitizer report).
Usage: cesta.py PROGRAM (run under xvfb-run)."""
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import x11  # noqa: E402

# The menu as a student meets it: (menu, submenu, item) positions, counted
# from zero, with the caption of the window the item shows.
MENU = [
    ((1, 0, 0), "Posuv a násobení signálu"),
    ((1, 0, 1), "Matematické operace mezi dvěma signály"),
    ((1, 0, 2), "Konvoluce"),
    ((1, 1, 0), "Fourierova řada (Po složkách)"),
    ((1, 1, 1), "Fourierova řada (Komplexně)"),
    ((1, 2, 0), "Fourierova řada analýza"),
    ((1, 2, 1), "Fourierova transformace"),
    ((2, 0, 0), "Aliasing efekt"),
    ((2, 0, 1), "Aliasing efekt - změna frekvence vstupního signálu"),
    ((2, 0, 2), "Aliasing efekt - změna vzorkovací frekvence"),
    ((2, 1, 0), "DFR - diskrétní Fourierova řada ( discrete Fourier series )"),
    ((2, 1, 1), "DTFT - Fourierova transformace diskrétního signálu ( discrete time Fourier transform )"),
    ((2, 1, 2), "DFT - diskrétní Fourierova transformace ( discrete Fourier transform )"),
    ((2, 2, 0), "FFT - rychlá Fourierova transformace ( fast Fourier transform )"),
    ((2, 2, 1), "Porovnání rychlosti DFT a FFT"),
]
# The links of the topic index, top to bottom, with the windows they show.
INDEX = [
    "Posuv a násobení signálu",
    "Matematické operace mezi dvěma signály",
    "Konvoluce",
    "Fourierova řada (Po složkách)",
    "Fourierova řada (Komplexně)",
    "Fourierova řada analýza",
    "Fourierova transformace",
    "Aliasing efekt",
    "Aliasing efekt - změna frekvence vstupního signálu",
    "Aliasing efekt - změna vzorkovací frekvence",
    "DFR - diskrétní Fourierova řada ( discrete Fourier series )",
    "DTFT - Fourierova transformace diskrétního signálu ( discrete time Fourier transform )",
    "DFT - diskrétní Fourierova transformace ( discrete Fourier transform )",
    "FFT - rychlá Fourierova transformace ( fast Fourier transform )",
    "Porovnání rychlosti DFT a FFT",
]
NAPOVEDA = "Nápověda VORTA"
NENAPSANO = "Téma není napsáno"
CEKANI = 30.0  # a sanitizer build starts and draws several times slower


class Selhani(Exception):
    pass


def xdo(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True,
                          text=True).stdout.strip()


def okna(nazev):
    """Visible windows whose caption is exactly `nazev`."""
    r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % _regex(nazev)],
                       capture_output=True, text=True)
    return [int(w) for w in r.stdout.split()]


def _regex(text):
    return "".join("\\" + c if c in ".^$*+?()[]{}|\\" else c for c in text)


def cekej(nazev, ma_byt=True):
    konec = time.monotonic() + CEKANI
    while time.monotonic() < konec:
        w = okna(nazev)
        if bool(w) == ma_byt:
            return w[0] if w else None
        time.sleep(0.05)
    raise Selhani("%s: window %s" % (nazev, "did not appear" if ma_byt else "did not close"))


def cekej_napovedu():
    """The help viewer's window, once it shows a topic; its caption names the topic."""
    konec = time.monotonic() + CEKANI
    while time.monotonic() < konec:
        r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + NAPOVEDA],
                           capture_output=True, text=True)
        for w in r.stdout.split():
            return int(w), xdo("getwindowname", w)
        time.sleep(0.05)
    raise Selhani("help viewer did not appear")


def geometrie(w):
    hodnoty = dict(radek.split("=") for radek in xdo("getwindowgeometry", "--shell", w).splitlines())
    return int(hodnoty["X"]), int(hodnoty["Y"]), int(hodnoty["WIDTH"]), int(hodnoty["HEIGHT"])


def zavri(nazev, w):
    x11.zavri(w)
    cekej(nazev, ma_byt=False)


def f1(nazev, w):
    xdo("windowfocus", "--sync", w)
    xdo("key", "F1")
    v, titulek = cekej_napovedu()
    if NENAPSANO in titulek:
        raise Selhani("%s: F1 opens a topic that is not written" % nazev)
    zavri(titulek, v)


def z_menu(hlavni, cesta, nazev):
    x, y, _, _ = geometrie(hlavni)
    menu, podmenu, polozka = cesta
    xdo("mousemove", x + 15, y + 10, "click", 1)
    time.sleep(0.2)
    # Escape leaves the menu bar active without a popup, so Right walks the
    # bar and does not open a submenu highlighted in the menu on the way.
    klavesy = ["Escape"] + ["Right"] * menu + ["Down"] * (podmenu + 1) + ["Right"] + ["Down"] * polozka + ["Return"]
    for k in klavesy:
        xdo("key", k)
        time.sleep(0.05)
    return cekej(nazev)


def odkazy_indexu(hlavni):
    """Screen points of the index's links: each is blue underlined text, so
    its underline is a long run of pure blue; a point just above its start
    lies on the link."""
    sirka, vyska = map(int, xdo("getdisplaygeometry").split())
    x0, y0, w, h = geometrie(hlavni)
    xdo("mousemove", sirka - 1, vyska - 1)  # no link lit red under the pointer
    time.sleep(0.3)
    radky = x11.obrazovka(sirka, vyska)
    body = []
    posledni = -10
    for y in range(y0, min(y0 + h, vyska)):
        radek = radky[y]
        beh = 0
        for x in range(x0, min(x0 + w, sirka)):
            if radek[3 * x:3 * x + 3] == b"\x00\x00\xff":
                beh += 1
                if beh == 40:
                    if y - posledni > 3:
                        body.append((x - 30, y - 5))
                    posledni = y
                    break
            else:
                beh = 0
    return body


def main():
    program = sys.argv[1]
    env = dict(os.environ, QT_QPA_PLATFORM="xcb")
    env["XDG_RUNTIME_DIR"] = tempfile.mkdtemp()
    vystup = tempfile.TemporaryFile()
    p = subprocess.Popen([program], stdout=vystup, stderr=subprocess.STDOUT, env=env)
    kroky = 0
    try:
        hlavni = cekej("VORTA")
        for cesta, nazev in MENU:
            w = z_menu(hlavni, cesta, nazev)
            f1(nazev, w)
            zavri(nazev, w)
            kroky += 1
        # The whole index on one screen: the main window made as tall as the screen.
        sirka, vyska = map(int, xdo("getdisplaygeometry").split())
        xdo("windowmove", "--sync", hlavni, 0, 0)
        xdo("windowsize", "--sync", hlavni, min(sirka, 1000), vyska - 40)
        time.sleep(0.5)
        body = odkazy_indexu(hlavni)
        if len(body) > len(INDEX):
            raise Selhani("index shows %d links, expected %d" % (len(body), len(INDEX)))
        for (x, y), nazev in zip(body, INDEX):
            xdo("mousemove", x, y, "click", 1)
            w = cekej(nazev)
            zavri(nazev, w)
            kroky += 1
        # What does not fit is at the end: scrolled to the bottom, the last
        # links on screen are the rest of the index.
        zbyva = len(INDEX) - len(body)
        if zbyva:
            x0, y0, w0, h0 = geometrie(hlavni)
            xdo("mousemove", x0 + w0 // 2, y0 + h0 // 2, "click", "--repeat", 40, 5)
            time.sleep(0.3)
            dole = odkazy_indexu(hlavni)
            if len(dole) < zbyva:
                raise Selhani("index shows %d links, expected %d" % (len(body) + len(dole), len(INDEX)))
            for (x, y), nazev in zip(dole[-zbyva:], INDEX[len(body):]):
                xdo("mousemove", x, y, "click", 1)
                w = cekej(nazev)
                zavri(nazev, w)
                kroky += 1
        zavri("VORTA", hlavni)
        p.wait(timeout=CEKANI)
    except (Selhani, subprocess.CalledProcessError, subprocess.TimeoutExpired) as e:
        print("road failed after %d steps: %s" % (kroky, e))
        subprocess.run(["import", "-window", "root", os.path.join(tempfile.gettempdir(), "cesta.png")])
        p.kill()
        p.wait()
        return 1
    finally:
        if p.poll() is None:
            p.kill()
    vystup.seek(0)
    text = vystup.read().decode("utf-8", "replace")
    if text.strip():
        print("the program printed:\n" + text)
        return 1
    if p.returncode != 0:
        print("the program ended with %d" % p.returncode)
        return 1
    print("road walked: %d windows" % kroky)
    return 0


if __name__ == "__main__":
    sys.exit(main())
