#pragma once
// The program-wide window registry. Every window is created once and
// registered under its class name ("Tposuv"); windows reach each other and
// the main window finds what to show through it, without including the
// application layer.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>

namespace okna {

void registruj(const QString& trida, QWidget* okno);
// Asked for while windows still wait to be made (see odloz), first makes all
// of them: whoever reaches a window finds every window made, in the same
// order and state as if start-up had made them all.
QWidget* najdi(const QString& trida);
template <class T> T* najdi(const QString& trida) { return qobject_cast<T*>(najdi(trida)); }

// Windows the first paint does not need wait to be made: each is registered
// by its factory and made, in the order registered, by the first najdi()
// or one at a time by vytvorDalsi() while the program is idle.
void odloz(const QString& trida, std::function<QWidget*()> vytvor);
// The window if it is made already; never makes one.
QWidget* hotove(const QString& trida);
// Whether the window exists or waits to be made.
bool zname(const QString& trida);
// Makes the first waiting window; false when none was waiting.
bool vytvorDalsi();
// Forgets the waiting windows without making them.
void zapomenOdlozena();

// Shows a window modelessly and brings it to the front.
void zobraz(const QString& trida);
void zobraz(QWidget* okno);

// The usual frame of a demonstration window: fixed client size, single
// border, only the system menu and minimise buttons.
void nastavOkno(QWidget* okno, const QString& jmeno, const QString& titulek, QSize klient);

// Top-left corner that centres a window of the given outer size on the work
// area, halves rounded to even. A window larger than the work area keeps its
// top-left corner inside it, so that its title bar stays reachable.
QPoint stred(const QRect& pracovniPlocha, QSize okno);

// Where a window of client size `klient` goes on the work area, its frame
// adding `ramecek` (left + right, top + bottom): unchanged and centred when
// it fits; otherwise its client shrinks to what the work area leaves and
// its content scrolls, with room kept for a scroll bar (`pruh` thick) across
// the other direction when one direction already scrolls.
struct Umisteni {
    QSize klient;   // the client size the window gets
    QPoint poloha;  // top-left corner of its frame
    bool posouvat = false; // whether the content must scroll
};
Umisteni umisteni(const QRect& pracovniPlocha, QSize klient, QSize ramecek, int pruh);

// Makes a window that does not fit into `pracovniPlocha` fit: the controls
// of a window of fixed size move, as they are, onto a scrolled surface and
// the window takes the size umisteni gives; a window that can be resized
// only shrinks. A window that fits is left alone. Returns whether it
// changed anything.
bool vejdiSe(QWidget* okno, const QRect& pracovniPlocha, QSize ramecek);

// Fits the window into its screen's work area (vejdiSe) each time it is
// shown; nastavOkno does this for the windows it sets up.
void hlidejVelikost(QWidget* okno);

// The frame a shown window has around its client area (left + right, top +
// bottom); an invalid size while the window is hidden.
QSize ramecek(const QWidget* okno);

// Centres a window on the primary screen's work area. Hidden windows have no
// frame yet; `ramecek` is the frame they will get (the shown main window's).
void vycentruj(QWidget* okno, QSize ramecek = {});

} // namespace okna
