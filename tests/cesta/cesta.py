#!/usr/bin/env python3
"""A student's road through the real program on an X server, driven by
xdotool: every window from the menu and from the topic index with F1 in each,
then what a student does in them: a preset of the drawing editor into the DFT
window, a graph dragged from the two-signal window into it, a picture read by
the picture analyser, a graph saved to a file and loaded back, the wheel
turning, and the speed comparison started and stopped. Fails on any step that
does not show its window or result, on a help topic that is not written, and
on anything the program prints (a warning, a sanitizer report).
Usage: cesta.py PROGRAM [STEP...] (run under xvfb-run; the steps are the
names in KROKY, all of them by default)."""
import math
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from x11 import (CEKANI, Selhani, cekej, cekej_na, cekej_na_zmenu, geometrie, klavesy, klik,  # noqa: E402
                 nove_okno, okna, pis, popup, presun, pust, tahni, vyrez, xdo, zavri)
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
MENU_OKNA = dict((nazev, cesta) for cesta, nazev in MENU)
# The links of the topic index, top to bottom, with the windows they show.
INDEX = [nazev for _, nazev in MENU]
NAPOVEDA = "Nápověda VORTA"
NENAPSANO = "Téma není napsáno"

SOUCET = "Matematické operace mezi dvěma signály"
DFT = "DFT - diskrétní Fourierova transformace ( discrete Fourier transform )"
KRESLIC = "Kreslení signálu"
OBRAZEK = "Analyzátor obrázků"
ALIASING = "Aliasing efekt"
POROVNANI = "Porovnání rychlosti DFT a FFT"
ULOZIT, OTEVRIT = "Uložit jako", "Otevřít"  # the graph's file dialogs

# Where the controls are, in client coordinates, as the windows lay them out:
# points are middles of buttons, rectangles (x, y, width, height) are graphs.
ANALYZA_Z_EDITORU = (94, 63)    # TAnalyza: "Zadat z editoru" in "Zdroje dat"
ANALYZA_NAKRESLIT = (94, 130)   # "Nakreslit signál"
ANALYZA_Z_OBRAZKU = (94, 197)   # "Zadat z obrázku"
ANALYZA_ORIGIN = (188, 38, 393, 193)
KRESLIC_OK = (706, 91)          # Tkreslic
KRESLIC_PILA = (706, 289)       # the preset "Pila"
SOUCET_GEN1 = (12, 70, 383, 177)    # Tsoucet: the generator's graph
SOUCET_S1 = (415, 24, 344, 172)     # "Signál A"
OBRAZEK_OTEVRIT = (720, 38)     # Tobrazek: "Otevřít obrázek"
OBRAZEK_OK = (720, 615)
OBRAZEK_PLATNO = (25, 25, 600, 400)
OBRAZEK_VYSLEDEK = (8, 450, 634, 223)
ALIASING_KOLO = (17, 77, 200, 200)  # Taliasing: the wheel
POROVNANI_OPAKOVANI = (133, 97)     # TFFTporovnani: "Počet opakování výpočtu"
POROVNANI_START = (68, 143)
POROVNANI_STOP = (198, 143)
POROVNANI_PDFT = (276, 26, 246, 18)  # the DFT's progress
POROVNANI_CASY = (266, 112, 266, 96)  # the times; "???" before a run


CERVENA = b"\xff\x00\x00"


def pixelu(data, barva):
    """How many pixels of RGB bytes have the colour `barva`."""
    return sum(1 for i in range(0, len(data), 3) if data[i:i + 3] == barva)


def stred(oblast):
    x, y, w, h = oblast
    return x + w // 2, y + h // 2


def cekej_napovedu():
    """The help viewer's window, once it shows a topic; its caption names the topic."""
    def okno():
        r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^" + NAPOVEDA],
                           capture_output=True, text=True)
        return r.stdout.split()[:1]
    w = cekej_na(okno, "help viewer did not appear")[0]
    return int(w), xdo("getwindowname", w)


def f1(nazev, w):
    xdo("windowfocus", "--sync", w)
    xdo("key", "F1")
    v, titulek = cekej_napovedu()
    if NENAPSANO in titulek:
        raise Selhani("%s: F1 opens a topic that is not written" % nazev)
    zavri(titulek, v)


def z_menu(hlavni, nazev):
    menu, podmenu, polozka = MENU_OKNA[nazev]
    popup(hlavni, 15, 10)  # the first menu of the bar
    # Escape leaves the menu bar active without a popup, so Right walks the
    # bar and does not open a submenu highlighted in the menu on the way.
    klavesy(*["Escape"] + ["Right"] * menu + ["Down"] * (podmenu + 1) + ["Right"] + ["Down"] * polozka + ["Return"])
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


def okna_z_menu(hlavni, slozka):
    for _, nazev in MENU:
        w = z_menu(hlavni, nazev)
        f1(nazev, w)
        zavri(nazev, w)
    return len(MENU)


def okna_z_indexu(hlavni, slozka):
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
        zavri(nazev, cekej(nazev))
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
            zavri(nazev, cekej(nazev))
    return len(INDEX)


def potvrd_soubor(dialog, cesta):
    """Types a file's full path into a file dialog and confirms it. A Return
    may only take the name completer's suggestion, so it is pressed again
    until the dialog closes."""
    xdo("windowfocus", "--sync", dialog)
    pis(cesta)
    for _ in range(3):
        klavesy("Return")
        try:
            cekej_na(lambda: dialog not in okna(), "", cekani=3.0)
            return
        except Selhani:
            pass
    raise Selhani("the file dialog did not take %s" % cesta)


def png_sinusu(cesta, sirka=600, vyska=400, period=2):
    """A picture of a plot: two periods of a red sine, five pixels thick, on
    white, written as a PNG by hand so that the test needs no image library."""
    obraz = [bytearray(b"\xff" * (3 * sirka)) for _ in range(vyska)]
    for x in range(sirka):
        yc = round(vyska / 2 - 0.375 * vyska * math.sin(2 * math.pi * period * x / sirka))
        for y in range(yc - 2, yc + 3):
            obraz[y][3 * x:3 * x + 3] = CERVENA

    def kus(druh, data):
        return struct.pack(">I", len(data)) + druh + data + struct.pack(">I", zlib.crc32(druh + data))
    with open(cesta, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + kus(b"IHDR", struct.pack(">IIBBBBB", sirka, vyska, 8, 2, 0, 0, 0))
                + kus(b"IDAT", zlib.compress(b"".join(b"\x00" + bytes(r) for r in obraz))) + kus(b"IEND", b""))


def nakreslit_do_dft(dft):
    """The drawing editor's preset "Pila", delivered by OK into the DFT window."""
    drive = vyrez(dft, *ANALYZA_ORIGIN)
    klik(dft, *ANALYZA_NAKRESLIT)
    k = cekej(KRESLIC)
    klik(k, *KRESLIC_PILA)
    klik(k, *KRESLIC_OK)
    cekej(KRESLIC, ma_byt=False)
    cekej_na_zmenu(dft, ANALYZA_ORIGIN, drive, "DFT: the drawn signal did not arrive")


def tazeni_do_dft(dft):
    """"Zadat z editoru" and the generator's graph dragged onto the input."""
    drive = vyrez(dft, *ANALYZA_ORIGIN)
    klik(dft, *ANALYZA_Z_EDITORU)
    s = cekej(SOUCET)
    # Moved aside, as a student would, so that the input graph is in sight.
    sirka, vyska = map(int, xdo("getdisplaygeometry").split())
    presun(s, sirka - geometrie(s)[2], vyska - geometrie(s)[3])
    tahni(s, stred(SOUCET_GEN1), dft, stred(ANALYZA_ORIGIN))
    # Over the input graph the two-signal window closes: the drag is there.
    cekej(SOUCET, ma_byt=False)
    pust()
    cekej_na_zmenu(dft, ANALYZA_ORIGIN, drive, "DFT: the dragged graph did not arrive")


def obrazek_do_dft(dft, slozka):
    """A picture opened in the picture analyser, its curve's colour picked,
    the curve read, and delivered by OK into the DFT window."""
    soubor = os.path.join(slozka, "sinus.png")
    png_sinusu(soubor)
    drive = vyrez(dft, *ANALYZA_ORIGIN)
    klik(dft, *ANALYZA_Z_OBRAZKU)
    o = cekej(OBRAZEK)
    vysledek = vyrez(o, *OBRAZEK_VYSLEDEK)
    pred = okna()
    klik(o, *OBRAZEK_OTEVRIT)
    potvrd_soubor(nove_okno(pred, "Otevřít obrázek", nejmene=(300, 200)), soubor)
    # The line is five pixels thick in each of the 600 columns (some may
    # fall between columns of the canvas).
    cekej_na(lambda: pixelu(vyrez(o, *OBRAZEK_PLATNO), CERVENA) >= 4 * 600,
             "picture analyser: the canvas does not show the picture")
    # The top of the first period, where the thick line lies flat.
    klik(o, OBRAZEK_PLATNO[0] + 75, OBRAZEK_PLATNO[1] + 50)
    cekej_na_zmenu(o, OBRAZEK_VYSLEDEK, vysledek, "picture analyser: the curve was not read")
    klik(o, *OBRAZEK_OK)
    cekej(OBRAZEK, ma_byt=False)
    cekej_na_zmenu(dft, ANALYZA_ORIGIN, drive, "DFT: the picture's signal did not arrive")


def vstupy_dft(hlavni, slozka):
    dft = z_menu(hlavni, DFT)
    presun(dft, 0, 0)
    nakreslit_do_dft(dft)
    tazeni_do_dft(dft)
    obrazek_do_dft(dft, slozka)
    zavri(DFT, dft)
    return 3


def graf_do_souboru(hlavni, slozka):
    """The generator's graph saved through its popup menu, the file loaded
    into "Signál A" through its popup menu."""
    soubor = os.path.join(slozka, "sinus.vgf")
    s = z_menu(hlavni, SOUCET)
    # The popup menu's last item is "Uložit graf do souboru", the one before
    # it "Načíst graf ze souboru". Up from no item reaches the last, and so
    # does Up from the first should the pointer light it.
    popup(s, *stred(SOUCET_GEN1), tlacitko=3)
    klavesy("Up", "Return")
    potvrd_soubor(cekej(ULOZIT), soubor)
    # A header (mark 12345, version 1, count) and count + 1 records of 12 bytes.
    cekej_na(lambda: os.path.exists(soubor) and os.path.getsize(soubor) >= 12, "the graph file was not written")
    with open(soubor, "rb") as f:
        data = f.read()
    znacka, verze, pocet = struct.unpack("<ffi", data[:12])
    if (znacka, verze) != (12345.0, 1.0) or pocet < 100 or len(data) != 12 * (pocet + 2):
        raise Selhani("the graph file is not plausible: %d bytes, header %r" % (len(data), (znacka, verze, pocet)))
    drive = vyrez(s, *SOUCET_S1)
    popup(s, *stred(SOUCET_S1), tlacitko=3)
    klavesy("Up", "Up", "Return")
    potvrd_soubor(cekej(OTEVRIT), soubor)
    cekej_na_zmenu(s, SOUCET_S1, drive, "two signals: the loaded graph is not shown in Signál A")
    zavri(SOUCET, s)
    return 1


def kolo(hlavni, slozka):
    """The wheel turns once its window is active (a frame drawn, then another);
    closed, its window is gone and the program goes on."""
    a = z_menu(hlavni, ALIASING)
    xdo("windowfocus", "--sync", a)
    snimek = vyrez(a, *ALIASING_KOLO)
    for _ in range(2):
        snimek = cekej_na_zmenu(a, ALIASING_KOLO, snimek, "the wheel does not turn")
    zavri(ALIASING, a)
    if not okna("VORTA"):
        raise Selhani("the main window is gone after the wheel")
    return 1


def porovnani(hlavni, slozka):
    """The speed comparison run with the most repetitions, stopped while the
    DFT is still at work: its progress moves, then returns to zero, and the
    times of the stopped run replace "???"."""
    p = z_menu(hlavni, POROVNANI)
    prubeh = vyrez(p, *POROVNANI_PDFT)
    casy = vyrez(p, *POROVNANI_CASY)
    popup(p, *POROVNANI_OPAKOVANI)
    klavesy("End", "Return")
    klik(p, *POROVNANI_START)
    cekej_na_zmenu(p, POROVNANI_PDFT, prubeh, "speed comparison: the DFT's progress does not move")
    klik(p, *POROVNANI_STOP)
    cekej_na_zmenu(p, POROVNANI_CASY, casy, "speed comparison: the stopped run shows no times")
    cekej_na(lambda: vyrez(p, *POROVNANI_PDFT) == prubeh, "speed comparison: the run did not stop")
    zavri(POROVNANI, p)
    return 1


KROKY = (okna_z_menu, okna_z_indexu, vstupy_dft, graf_do_souboru, kolo, porovnani)


def main():
    program, vybrane = sys.argv[1], sys.argv[2:]
    slozka = tempfile.mkdtemp(prefix="cesta-")
    # A home of its own: the file dialogs remember their folders there.
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=slozka, HOME=slozka,
               XDG_CONFIG_HOME=os.path.join(slozka, ".config"))
    vystup = tempfile.TemporaryFile()
    p = subprocess.Popen([program], stdout=vystup, stderr=subprocess.STDOUT, env=env)
    x11.program = p
    kroky = 0
    krok = "start"
    selhani = None
    zacatek = time.monotonic()
    try:
        hlavni = cekej("VORTA")
        for krok in KROKY:
            if not vybrane or krok.__name__ in vybrane:
                kroky += krok(hlavni, slozka)
        krok = "end"
        zavri("VORTA", hlavni)
        p.wait(timeout=CEKANI)
    except (Selhani, subprocess.CalledProcessError, subprocess.TimeoutExpired) as e:
        selhani = "road failed in %s after %d steps: %s" % (getattr(krok, "__name__", krok), kroky, e)
        subprocess.run(["import", "-window", "root", os.path.join(tempfile.gettempdir(), "cesta.png")])
    finally:
        if p.poll() is None:
            p.kill()
        p.wait()
        shutil.rmtree(slozka, ignore_errors=True)
    vystup.seek(0)
    text = vystup.read().decode("utf-8", "replace").strip()
    if selhani:
        print(selhani)
    if text:
        print("the program printed:\n" + text)
    elif not selhani and p.returncode != 0:
        print("the program ended with %d" % p.returncode)
    if selhani or text or p.returncode != 0:
        return 1
    print("road walked: %d steps in %.0f s" % (kroky, time.monotonic() - zacatek))
    return 0

if __name__ == "__main__":
    sys.exit(main())
