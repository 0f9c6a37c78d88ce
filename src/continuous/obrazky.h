#pragma once
// Pictures of the synthesis and convolution windows, drawn once on first use
// and kept for the whole run: a sketch of one period of each of the six
// signals, the coefficient formulas of each signal (component or complex
// form), and the general convolution integral.
#include <QImage>
#include <QSize>

namespace obrazky {

constexpr QSize VelikostPrubehu{376, 96};
constexpr QSize VelikostVzorce{376, 112};
constexpr QSize VelikostKonvoluce{262, 70};

// Signals 0 ... 5 as in harmonicke.h; an unknown signal gives a blank picture.
const QImage& prubeh(int signal);
const QImage& vzorec(int signal, bool komplexne);
const QImage& vzorecKonvoluce();

} // namespace obrazky
