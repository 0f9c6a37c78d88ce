#pragma once
// Pictures of the synthesis and convolution windows: a sketch of one period
// of each of the six signals, the coefficient formulas of each signal
// (component or complex form), and the general convolution integral. Sizes
// are logical pixels; each picture is drawn at a device pixel ratio, with as
// many more pixels and that ratio set, so that a scaled screen shows it sharp.
// Each is drawn once per ratio, on first use, and kept for the whole run.
#include <QImage>
#include <QSize>

namespace obrazky {

constexpr QSize VelikostPrubehu{376, 96};
constexpr QSize VelikostVzorce{376, 112};
constexpr QSize VelikostKonvoluce{262, 70};

// Signals 0 ... 5 as in harmonicke.h; an unknown signal gives a blank picture.
QImage prubeh(int signal, qreal pomer = 1);
QImage vzorec(int signal, bool komplexne, qreal pomer = 1);
QImage vzorecKonvoluce(qreal pomer = 1);

} // namespace obrazky
