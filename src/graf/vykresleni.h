#pragma once
// The whole look of a graph, drawn from its fields onto an image of the
// control's size: frame, titles, number labels, ticks, grid, zero lines, the
// plot frame and the points, clipped to the plot area.
#include "graf/bod.h"
#include "graf/pomer.h"

#include <QChar>
#include <QImage>
#include <QRect>
#include <QRgb>
#include <QString>

namespace vorta::graf {

struct PopisGrafu {
    QSize velikost;
    QRgb barvaPozadi = 0xFF00FFFF;
    TTypRamecku ramecek = rDolu;
    TTvarovac tvarovac = tLinearne;
    QString nadpis, xNadpis, yNadpis;
    double xMin = 0, xMax = 100, yMin = 0, yMax = 100;
    bool nuly = true, cary = true;
    int sirkaCary = 1;
    double xCislic = 10, yCislic = 10;
    const TBod* sloty = nullptr; // PocetSlotu records, all of them drawn
    QChar oddelovac = u'.';
    // Device pixels per pixel of the control: the canvas is that much finer
    // (a HiDPI screen), while the layout stays in the control's pixels.
    qreal dpr = 1;
};

// A visible range must be increasing and finite: an empty, reversed or NaN
// range gets a maximum just above its minimum, a non-finite minimum becomes 0.
struct Rozsah {
    double min, max;
};
Rozsah opravRozsah(double min, double max);

// Division count actually drawn: none below 1 (and for NaN), the rounded
// value otherwise, at most maxDilku.
int pocetDilku(double cislic);
inline constexpr int maxDilku = 4096;

// Draws into `platno` (made Format_RGB32 of `g.velikost` at `g.dpr` when it
// is not) and
// returns the plot area: left, top, right and bottom edges of the plot frame.
// This is the plain path, everything drawn anew; KreslirGrafu gives the same
// pixels faster. Markers are stamped (`razitka`) or drawn by the painter.
QRect vykresliGraf(QImage& platno, const PopisGrafu& g, bool razitka = true);

// The two halves of it: everything but the points (which reads neither
// `sloty`, `tvarovac` nor `sirkaCary`), then the points into the plot area
// of a canvas that holds that background.
QRect vykresliPozadi(QImage& platno, const PopisGrafu& g);
void vykresliBodyDo(QImage& platno, QRect plocha, const PopisGrafu& g, bool razitka);

} // namespace vorta::graf
