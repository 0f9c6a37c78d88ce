#!/usr/bin/env python3
"""Pictures of every window for the README: starts the real program on an X
server of its own (run under xvfb-run), brings each window into the state a
teacher would show in class with xdotool, as a user would, and writes one PNG
per window, cropped to the window.
Usage: screenshots.py PROGRAM FOLDER SCALE (SCALE as in QT_SCALE_FACTOR)."""
import math
import os
import subprocess
import sys
import tempfile
import time


# The X helpers of the road test: xdotool, and closing a window the way a
# window manager's close button does.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "cesta"))
from x11 import CEKANI, Selhani, _regex, cekej_na, geometrie, xdo  # noqa: E402
from x11 import zavri_okno as posli_zavreni  # noqa: E402

S = 1.0  # the scale factor: client coordinates below are at scale 1


def okna(nazev, presne=True):
    vzor = "^%s$" % _regex(nazev) if presne else "^" + _regex(nazev)
    r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", vzor], capture_output=True, text=True)
    return [int(w) for w in r.stdout.split()]


def cekej(nazev, ma_byt=True, presne=True, limit=CEKANI):
    """The window of caption `nazev` (or starting so) once shown, or None once gone."""
    def stav():
        w = okna(nazev, presne)
        return (w[0] if w else None,) if bool(w) == ma_byt else None
    return cekej_na(stav, "%s: window %s" % (nazev, "did not appear" if ma_byt else "did not close"), limit)[0]


def k(v):
    return int(round(v * S))


def klik(w, x, y, tlacitko=1):
    """A click at client point (x, y) of window w, given at scale 1."""
    x0, y0, _, _ = geometrie(w)
    xdo("mousemove", "--sync", x0 + k(x), y0 + k(y))
    time.sleep(0.05)
    xdo("click", tlacitko)
    time.sleep(0.2)


def klavesy(*nazvy, opakovani=1):
    for n in nazvy:
        xdo("key", "--delay", 20, "--repeat", opakovani, n)
    time.sleep(0.2)


def napis(text):
    xdo("type", "--delay", 20, text)
    time.sleep(0.2)


def posuvnik(w, x, y, kroku):
    """A horizontal scroll bar whose left arrow is at (x, y): to its minimum
    and then `kroku` single steps right, from the keyboard."""
    klik(w, x, y)
    klavesy("Home")
    if kroku:
        klavesy("Right", opakovani=kroku)


def volba(w, x, y, index):
    """Item `index` of the combo box at (x, y), through its popup list."""
    klik(w, x, y)
    time.sleep(0.3)
    klavesy("Home")
    if index:
        klavesy("Down", opakovani=index)
    klavesy("Return")


def prepis(w, x, y, text):
    """Replaces the text of the edit box at (x, y), as typed by the user."""
    klik(w, x, y)
    klavesy("ctrl+a")
    napis(text)


def tahni(w, odkud, kam):
    """Drags with the left button from one client point to another, in steps
    as a hand does."""
    x0, y0, _, _ = geometrie(w)
    (ax, ay), (bx, by) = odkud, kam
    xdo("mousemove", "--sync", x0 + k(ax), y0 + k(ay))
    xdo("mousedown", 1)
    time.sleep(0.2)
    for i in range(1, 13):
        xdo("mousemove", "--sync", x0 + k(ax + (bx - ax) * i / 12), y0 + k(ay + (by - ay) * i / 12))
        time.sleep(0.05)
    time.sleep(0.3)
    xdo("mouseup", 1)
    time.sleep(0.5)


def z_menu(hlavni, cesta, nazev):
    """A window from the main window's menu, walked from the keyboard; a
    second try if the first press met a menu bar not yet ready."""
    x, y, _, _ = geometrie(hlavni)
    menu, podmenu, polozka = cesta
    for pokus in range(3):
        xdo("mousemove", "--sync", x + k(15), y + k(10))
        xdo("click", 1)
        time.sleep(0.3)
        # Escape leaves the menu bar active without a popup, so Right walks
        # the bar and does not open a submenu highlighted on the way.
        for kl in ["Escape"] + ["Right"] * menu + ["Down"] * (podmenu + 1) + ["Right"] + ["Down"] * polozka + ["Return"]:
            xdo("key", kl)
            time.sleep(0.05)
        try:
            return cekej(nazev, limit=10 if pokus < 2 else CEKANI)
        except Selhani:
            klavesy("Escape", "Escape", "Escape")
    raise Selhani("%s: window did not appear" % nazev)


def zavri(nazev, w):
    posli_zavreni(w)
    cekej(nazev, ma_byt=False)


def _obsah(w):
    return subprocess.run(["import", "-window", str(w), "-depth", "8", "rgb:-"], check=True,
                          capture_output=True).stdout


class Snimky:
    def __init__(self, slozka):
        self.slozka = slozka
        self.hotove = []
        self.sirka, self.vyska = map(int, xdo("getdisplaygeometry").split())

    def snimek(self, w, jmeno, pohyblivy=False, limit=15):
        """The window as a PNG once it has stopped changing: every part drawn,
        no tooltip (the pointer is moved off every window first). A moving
        window (the wheel) is taken after a fixed wait."""
        x, y, sirka, vyska = geometrie(w)
        if x < 0 or y < 0 or x + sirka > self.sirka or y + vyska > self.vyska:
            raise Selhani("%s: the window does not fit on the screen" % jmeno)
        xdo("mousemove", "--sync", self.sirka - 1, self.vyska - 1)
        time.sleep(0.8)
        if pohyblivy:
            time.sleep(2.0)
        else:
            konec = time.monotonic() + limit
            drive = _obsah(w)
            while True:
                time.sleep(0.4)
                ted = _obsah(w)
                if ted == drive:
                    break
                if time.monotonic() > konec:
                    raise Selhani("%s: the window keeps changing" % jmeno)
                drive = ted
        cil = os.path.join(self.slozka, jmeno + ".png")
        surovy = subprocess.run(["import", "-window", str(w), "png:-"], check=True, capture_output=True).stdout
        # No metadata (times, profiles) so that an unchanged window gives the
        # same file; ImageMagick keeps a palette whenever it is lossless.
        subprocess.run(["convert", "png:-", "-strip", "-define", "png:exclude-chunks=date,time",
                        "-define", "png:compression-level=9", cil], input=surovy, check=True)
        self.hotove.append(jmeno)
        print("  %s.png" % jmeno, flush=True)


# --- the input picture of the picture analyser ------------------------------

def radek_krivky(sloupec):
    """Row of the red curve in a column: harmonics 1 and 3, which the DFT
    window then shows."""
    x = sloupec / 600.0
    return int(round(200 - 150 * (0.7 * math.sin(2 * math.pi * x) + 0.25 * math.sin(6 * math.pi * x))))


def nakresli_predlohu(cesta):
    """A plotted period as a scanned chart would show it: a grid, axes, a red
    curve to pick and a blue one to leave alone. Drawn without antialiasing, so
    the curve is one pure colour."""
    prikazy = ["convert", "-size", "600x400", "xc:white", "+antialias", "-fill", "none", "-stroke", "#c0c0c0",
               "-strokewidth", "1"]
    for x in range(0, 600, 60):
        prikazy += ["-draw", "line %d,0 %d,399" % (x, x)]
    for y in range(50, 400, 75):
        prikazy += ["-draw", "line 0,%d 599,%d" % (y, y)]
    prikazy += ["-stroke", "black", "-draw", "line 0,200 599,200"]
    modra = [(x, int(round(200 - 90 * math.cos(2 * math.pi * x / 600.0)))) for x in range(600)]
    cervena = [(x, radek_krivky(x)) for x in range(600)]
    # Separate segments: ImageMagick closes a polyline or path back to its start.
    for barva, sirka, body in (("blue", "2", modra), ("red", "3", cervena)):
        prikazy += ["-stroke", barva, "-strokewidth", sirka]
        for (x1, y1), (x2, y2) in zip(body, body[1:]):
            prikazy += ["-draw", "line %d,%d %d,%d" % (x1, y1, x2, y2)]
    prikazy += ["-strip", cesta]
    subprocess.run(prikazy, check=True)


# --- the windows ----------------------------------------------------------

# Analysis frame: the data-source buttons and the first scroll bar.
NAKRESLIT = (94, 130)
Z_OBRAZKU = (94, 197)
STUPEN = (196, 19)
VZORKU = (687, 19)   # the second bar of the discrete windows (left arrow)
# Drawing editor: OK and the presets.
KRESLIC_OK = (706, 91)
PREDLOHY = {"Nic": 165, "Sin": 196, "Cos": 227, "Obdelnik": 258, "Pila": 289, "Trojuhelnik": 320, "Sinc": 351}


def kreslic_predloha(s, analyza, predloha, snimek=None):
    """"Nakreslit signál" in an analysis window, a preset in the drawing
    editor, OK."""
    klik(analyza, *NAKRESLIT)
    ed = cekej("Kreslení signálu")
    time.sleep(0.3)
    klik(ed, 706, PREDLOHY[predloha])
    if snimek:
        # The pointer on the drawing shows its coordinates, left as they
        # are when the pointer goes.
        x0, y0, _, _ = geometrie(ed)
        xdo("mousemove", "--sync", x0 + k(170), y0 + k(20))
        time.sleep(0.3)
        s.snimek(ed, snimek)
    klik(ed, *KRESLIC_OK)
    cekej("Kreslení signálu", ma_byt=False)


def hlavni_okno(s, hlavni):
    # Taller than it opens, so that more of the topic index shows.
    xdo("windowsize", "--sync", hlavni, k(597), k(860))
    xdo("windowmove", "--sync", hlavni, (s.sirka - k(597)) // 2, (s.vyska - k(860)) // 2)
    time.sleep(0.5)
    s.snimek(hlavni, "hlavni")


def posuv(s, hlavni):
    nazev = "Posuv a násobení signálu"
    w = z_menu(hlavni, (1, 0, 0), nazev)
    prepis(w, 517, 316, "1,5")
    prepis(w, 672, 316, "2,0")
    prepis(w, 754, 316, "1,0")
    klavesy("Tab")
    s.snimek(w, "posuv")
    zavri(nazev, w)


def soucet(s, hlavni):
    nazev = "Matematické operace mezi dvěma signály"
    w = z_menu(hlavni, (1, 0, 1), nazev)
    time.sleep(0.5)
    gen, a, b, vysledek = (203, 158), (587, 110), (587, 314), (587, 518)
    zasobnik = [(74 + 129 * i, 316) for i in range(3)]
    prepsat = ("Down", "Return")
    tahni(w, gen, a)
    klavesy(*prepsat)
    tahni(w, gen, zasobnik[0])
    klavesy(*prepsat)
    volba(w, 160, 44, 4)  # rectangle
    prepis(w, 230, 44, "0,5")
    tahni(w, gen, b)
    klavesy(*prepsat)
    tahni(w, gen, zasobnik[1])
    klavesy(*prepsat)
    klik(w, 587, 212)  # + -> -
    klik(w, 587, 212)  # - -> *
    tahni(w, vysledek, zasobnik[2])
    klavesy(*prepsat)
    volba(w, 160, 44, 6)  # the generator goes on: a triangle
    s.snimek(w, "soucet")
    zavri(nazev, w)


def konvoluce(s, hlavni):
    nazev = "Konvoluce"
    w = z_menu(hlavni, (1, 0, 2), nazev)
    volba(w, 88, 35, 0)
    volba(w, 88, 81, 3)  # impulse response
    posuvnik(w, 24, 135, 70)
    s.snimek(w, "konvoluce")
    # Its help topic stands for the help viewer.
    xdo("windowfocus", "--sync", w)
    klavesy("F1")
    v = cekej("Nápověda VORTA", presne=False)
    time.sleep(0.5)
    s.snimek(v, "napoveda")
    zavri(xdo("getwindowname", v), v)
    zavri(nazev, w)


def synteza(s, hlavni, cesta, nazev, jmeno, signal, harmonickych):
    w = z_menu(hlavni, cesta, nazev)
    volba(w, 103, 19, signal)
    posuvnik(w, 264, 19, harmonickych)
    s.snimek(w, jmeno)
    zavri(nazev, w)


def frada(s, hlavni):
    nazev = "Fourierova řada analýza"
    w = z_menu(hlavni, (1, 2, 0), nazev)
    kreslic_predloha(s, w, "Obdelnik", snimek="kreslic")
    posuvnik(w, *STUPEN, 7)
    s.snimek(w, "frada")
    zavri(nazev, w)


def transformace(s, hlavni):
    nazev = "Fourierova transformace"
    w = z_menu(hlavni, (1, 2, 1), nazev)
    kreslic_predloha(s, w, "Obdelnik")
    posuvnik(w, *STUPEN, 50)  # up to 5 Hz: the rebuilt pulse ripples
    s.snimek(w, "transformace")
    zavri(nazev, w)


def diskretni(s, hlavni, cesta, nazev, jmeno, predloha):
    w = z_menu(hlavni, cesta, nazev)
    kreslic_predloha(s, w, predloha)
    s.snimek(w, jmeno)
    zavri(nazev, w)


def dft(s, hlavni, predloha_obrazku):
    nazev = "DFT - diskrétní Fourierova transformace ( discrete Fourier transform )"
    w = z_menu(hlavni, (2, 1, 2), nazev)
    klik(w, *Z_OBRAZKU)
    o = cekej("Analyzátor obrázků")
    time.sleep(0.3)
    klik(o, 720, 38)  # "Otevřít obrázek"
    time.sleep(1.0)
    # The file dialog starts with its file name box focused.
    napis(predloha_obrazku)
    klavesy("Return")
    time.sleep(1.0)
    klik(o, 25 + 100, 25 + radek_krivky(100))  # the red curve's colour
    s.snimek(o, "obrazek")
    klik(o, 720, 615)  # OK
    cekej("Analyzátor obrázků", ma_byt=False)
    posuvnik(w, *VZORKU, 14)  # 16 samples a period
    s.snimek(w, "dft")
    zavri(nazev, w)


def aliasing(s, hlavni):
    nazev = "Aliasing efekt"
    w = z_menu(hlavni, (2, 0, 0), nazev)
    volba(w, 517, 297, 5)  # six spokes
    # 60° a frame: each frame shows the same wheel, which seems to stand.
    posuvnik(w, 242, 70, 60)
    s.snimek(w, "aliasing", pohyblivy=True)
    zavri(nazev, w)


def vzorkovani(s, hlavni, cesta, nazev, jmeno, klavesa, kroku, tvarovac):
    w = z_menu(hlavni, cesta, nazev)
    klik(w, 16, 16)
    klavesy(klavesa)
    klavesy("Left" if klavesa == "End" else "Right", opakovani=kroku)
    volba(w, 337, 45, tvarovac)
    s.snimek(w, jmeno)
    zavri(nazev, w)


def fft(s, hlavni):
    nazev = "FFT - rychlá Fourierova transformace ( fast Fourier transform )"
    w = z_menu(hlavni, (2, 2, 0), nazev)
    # It opens maximised, which needs a window manager; without one it
    # keeps its normal size. Made just wide enough for the flow graph of 8
    # samples, the picture has no empty half.
    xdo("windowsize", "--sync", w, k(1150), k(320))
    x0, y0, _, _ = geometrie(w)
    xdo("windowmove", "--sync", w, min(x0, s.sirka - k(1150)), y0)
    time.sleep(0.5)
    volba(w, 60, 40, 1)  # 8 samples
    for i, v in enumerate(["1", "1", "1", "1", "0", "0", "0", "0"]):
        prepis(w, 40, 94 + 25 * i, v)
    klavesy("Tab")
    s.snimek(w, "fft")
    klik(w, 935, 37)  # "Zobrazit spektrum"
    v = cekej("Spektrum vypočítané pomocí FFT")
    time.sleep(0.5)
    s.snimek(v, "fftspektrum")
    zavri("Spektrum vypočítané pomocí FFT", v)
    zavri(nazev, w)


def porovnani(s, hlavni):
    nazev = "Porovnání rychlosti DFT a FFT"
    w = z_menu(hlavni, (2, 2, 1), nazev)
    # 256 samples ten thousand times: long enough for the FFT's time, too, to
    # be measured in tens of milliseconds.
    volba(w, 133, 97, 4)
    klik(w, 68, 143)  # START
    time.sleep(1.0)
    s.snimek(w, "porovnani", limit=60)
    zavri(nazev, w)


def o_programu(s, hlavni):
    xdo("windowfocus", "--sync", hlavni)
    klavesy("F2")
    w = cekej("O programu")
    s.snimek(w, "oprogramu")
    klavesy("Escape")
    cekej("O programu", ma_byt=False)


def main():
    global S
    program, slozka, S = sys.argv[1], sys.argv[2], float(sys.argv[3])
    os.makedirs(slozka, exist_ok=True)
    pracovni = tempfile.mkdtemp()
    predloha = os.path.join(pracovni, "graf.png")
    nakresli_predlohu(predloha)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=pracovni)
    vystup = tempfile.TemporaryFile()
    p = subprocess.Popen([program], stdout=vystup, stderr=subprocess.STDOUT, env=env)
    s = None
    try:
        hlavni = cekej("VORTA")
        time.sleep(1.0)
        s = Snimky(slozka)
        hlavni_okno(s, hlavni)
        posuv(s, hlavni)
        soucet(s, hlavni)
        konvoluce(s, hlavni)
        synteza(s, hlavni, (1, 1, 0), "Fourierova řada (Po složkách)", "harmonicke2", 0, 7)
        synteza(s, hlavni, (1, 1, 1), "Fourierova řada (Komplexně)", "harmonicke", 4, 10)
        frada(s, hlavni)
        transformace(s, hlavni)
        aliasing(s, hlavni)
        vzorkovani(s, hlavni, (2, 0, 1), "Aliasing efekt - změna frekvence vstupního signálu", "aliasingVS",
                   "End", 100, 1)
        vzorkovani(s, hlavni, (2, 0, 2), "Aliasing efekt - změna vzorkovací frekvence", "aliasingVZ",
                   "Home", 10, 0)
        diskretni(s, hlavni, (2, 1, 0), "DFR - diskrétní Fourierova řada ( discrete Fourier series )", "dfr", "Pila")
        diskretni(s, hlavni, (2, 1, 1),
                  "DTFT - Fourierova transformace diskrétního signálu ( discrete time Fourier transform )", "dtft",
                  "Trojuhelnik")
        dft(s, hlavni, predloha)
        fft(s, hlavni)
        porovnani(s, hlavni)
        o_programu(s, hlavni)
        zavri("VORTA", hlavni)
        p.wait(timeout=CEKANI)
    except (Selhani, subprocess.CalledProcessError, subprocess.TimeoutExpired) as e:
        hotovo = len(s.hotove) if s else 0
        print("screenshots failed after %d pictures: %s" % (hotovo, e))
        obrazovka = os.path.join(tempfile.gettempdir(), "screenshots-failed.png")
        subprocess.run(["import", "-window", "root", obrazovka])
        print("the screen at that moment: " + obrazovka)
        return 1
    finally:
        if p.poll() is None:
            p.kill()
            p.wait()
    vystup.seek(0)
    text = vystup.read().decode("utf-8", "replace")
    print("%d pictures in %s" % (len(s.hotove), slozka))
    if text.strip():
        print("the program printed:\n" + text)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
