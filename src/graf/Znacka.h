#pragma once
// The circle marker of one pen width as runs of pixels around its centre:
// stamping them gives exactly the pixels the painter's ellipse would, at a
// small part of its cost (a spectrum draws a thousand markers per paint).
#include <QImage>
#include <QtGlobal>
#include <QPoint>
#include <QRgb>
#include <vector>

namespace vorta::graf {

class Znacka {
public:
    // The marker of radius 2 x sirka drawn with a pen of that width, for
    // widths 1 ... maxSirkaPera, in device pixels at the ratio `dpr`; made
    // once per process for each width and ratio.
    static const Znacka& pro(int sirka, qreal dpr = 1);

    // The ring in `pero`, its inside in `vypln`, clipped to `o` (Format_RGB32).
    void orazitkuj(QImage& o, QPoint stred, QRgb pero, QRgb vypln) const;

private:
    Znacka(int sirka, qreal dpr);

    struct Usek {
        int y, x, delka; // relative to the centre
        bool pero;       // the ring, otherwise the inside
    };
    std::vector<Usek> m_useky;
};

// The same marker drawn by the painter itself (its pen sirka x dpr wide),
// centred on a device pixel; the stamps are made from it.
void nakresliZnacku(QPainter& p, QPoint stred, int sirka, qreal dpr = 1);

} // namespace vorta::graf
