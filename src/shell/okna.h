#pragma once
// The program-wide window registry. Every window is created once at start-up
// and registered under its class name ("Tposuv"); windows reach each other and
// the main window finds what to show through it, without including the
// application layer.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

namespace okna {

void registruj(const QString& trida, QWidget* okno);
QWidget* najdi(const QString& trida);
template <class T> T* najdi(const QString& trida) { return qobject_cast<T*>(najdi(trida)); }

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

// Centres a window on the primary screen's work area. Hidden windows have no
// frame yet; `ramecek` is the frame they will get (the shown main window's).
void vycentruj(QWidget* okno, QSize ramecek = {});

} // namespace okna
