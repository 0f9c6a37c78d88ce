#pragma once
// The rotating wheel: a rim and n spokes, spoke i at the angle i * 360/n + theta
// degrees, measured clockwise from straight up. Drawn with the painter's own
// antialiasing off: the direct frame shows the jagged edges of a 200 x 200
// drawing, the smoothed frame draws three times larger and averages each
// 3 x 3 block into one pixel.
#include <QColor>
#include <QImage>
#include <QPoint>

class QPainter;

namespace kolo {

constexpr int Strana = 200;      // the drawing surface
constexpr int Nasobek = 3;       // supersampling factor
constexpr int MaxPricek = 20;

struct Nastaveni {
    int pricek = 1;         // 1 ... 20
    bool cervena = false;   // first spoke red
    int theta = 0;          // degrees
};

// Whole degrees kept in 0 ... 359.
int otoc(int theta, int oKolik);

// End point of spoke i of n: round(cx + sin(a)(rx - 2)), round(cy - cos(a)(ry - 2))
// with a = (i 360/n + theta) degrees, halves to the even neighbour.
QPoint konecPricky(QPoint stred, int rx, int ry, int i, int n, int theta);

// The wheel inside the box (x1, y1)-(x2, y2): the rim three times the pen
// width, outlined black and filled with `pozadi`, and the spokes in the pen
// width from the centre.
void kresli(QPainter& p, int x1, int y1, int x2, int y2, int sirka, QColor pozadi, const Nastaveni& n);

// Each pixel of `maly` gets, per colour channel, the sum over the 3 x 3 block
// at (3x ... 3x+2, 3y ... 3y+2) of `velky` divided by 9, the remainder
// dropped. `velky` must be at least three times `maly` in each direction.
void zmensi(const QImage& velky, QImage& maly);

// One frame onto the 200 x 200 surface (200 x 200 of its pixels at its pixel
// ratio: 400 x 400 device pixels at 2). The smoothed frame needs a work image
// three times larger, kept by the caller so that frames do not allocate.
void snimekPrimo(QImage& plocha, QColor pozadi, const Nastaveni& n);
void snimekVyhlazeny(QImage& plocha, QImage& velky, QColor pozadi, const Nastaveni& n);

} // namespace kolo
