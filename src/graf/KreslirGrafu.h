#pragma once
// Paints a graph as vykresliGraf does, keeping the background (frame,
// titles, labels, ticks, grid, zero lines) from the previous paint when none
// of the fields it is drawn from changed: a window that refills the points
// and repaints then pays only for the points.
#include "graf/vykresleni.h"

#include <QImage>
#include <QRect>

namespace vorta::graf {

class KreslirGrafu {
public:
    // The same pixels in `platno`, and the same plot area, as vykresliGraf.
    QRect vykresli(QImage& platno, const PopisGrafu& g);
    // Whether the last paint could reuse the background.
    bool pouzitoPozadi() const { return m_pouzito; }

private:
    // Compared field by field on every paint (the pixel ratio too: a window
    // moved to another screen gets a new background), so that no setter,
    // present or future, can leave a stale background behind.
    bool stejnePozadi(const PopisGrafu& g) const;

    PopisGrafu m_klic;
    QImage m_pozadi;
    QRect m_plocha;
    bool m_platne = false;
    bool m_pouzito = false;
};

} // namespace vorta::graf
