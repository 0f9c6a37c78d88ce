#include "graf/ramecek.h"

#include "graf/barvy.h"

#include <QPainter>

namespace vorta::graf {

namespace {

// One ring of the edge, `o` pixels in from the control's border: the top and
// left sides in one colour, the bottom and right sides (with both of their
// corners) in the other.
void prstenec(QPainter& p, int w, int h, int o, QRgb horniLevy, QRgb dolniPravy)
{
    const int sirka = w - 2 * o, vyska = h - 2 * o;
    if (sirka <= 0 || vyska <= 0)
        return;
    p.fillRect(o, o, sirka - 1, 1, QColor(horniLevy));
    p.fillRect(o, o, 1, vyska - 1, QColor(horniLevy));
    p.fillRect(o, h - 1 - o, sirka, 1, QColor(dolniPravy));
    p.fillRect(w - 1 - o, o, 1, vyska, QColor(dolniPravy));
}

struct Hrana {
    QRgb vnejsiHL, vnejsiDP, vnitrniHL, vnitrniDP;
};

// Sunken, raised, etched (sunken outer, raised inner) and bump (raised
// outer, sunken inner), coloured as the classic desktop draws them.
constexpr Hrana zapustena{hranaStin, hranaSvetla, hranaTmava, hranaPolosvetla};
constexpr Hrana vyvysena{hranaPolosvetla, hranaTmava, hranaSvetla, hranaStin};
constexpr Hrana leptana{hranaStin, hranaSvetla, hranaSvetla, hranaStin};
constexpr Hrana hrbolek{hranaPolosvetla, hranaTmava, hranaTmava, hranaPolosvetla};

} // namespace

void vykresliRamecek(QPainter& p, QSize velikost, TTypRamecku typ, QRgb pozadi)
{
    const int w = velikost.width(), h = velikost.height();
    if (w <= 0 || h <= 0)
        return;
    p.fillRect(0, 0, w, h, QColor(pozadi));
    if (typ == rZadny)
        return;
    // Every other type starts from the black one-pixel outline.
    const QColor cerna(Qt::black);
    p.fillRect(0, 0, w, 1, cerna);
    p.fillRect(0, h - 1, w, 1, cerna);
    p.fillRect(0, 0, 1, h, cerna);
    p.fillRect(w - 1, 0, 1, h, cerna);
    const Hrana* hrana = nullptr;
    switch (typ) {
    case rDolu: hrana = &zapustena; break;
    case rNahoru: hrana = &vyvysena; break;
    case rDrazkaDolu: hrana = &leptana; break;
    case rDrazkaNahoru: hrana = &hrbolek; break;
    default: break;
    }
    if (!hrana)
        return;
    prstenec(p, w, h, 0, hrana->vnejsiHL, hrana->vnejsiDP);
    prstenec(p, w, h, 1, hrana->vnitrniHL, hrana->vnitrniDP);
}

} // namespace vorta::graf
