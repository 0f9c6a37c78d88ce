#pragma once
// The spectrum window's numbers: magnitude and phase stems of the FFT's
// result, the magnitude range from the largest value, and the graphs' width.
#include "fft/fft.h"

#include <QStringList>
#include <vector>

namespace fftspektrum {

struct Stonek {
    int k = 0;
    float velikost = 0; // |c|, the raw sum (no division by N)
    float faze = 0;     // degrees, (-180, 180]
};

struct Spektrum {
    std::vector<Stonek> stonky;     // one per finite value
    QStringList neKonecne;       // "S(3) = INF + jNAN" for the values left out
    double yMin = -0.1, yMax = 1.1; // magnitude axis: -0.1*M ... 1.1*M
};

// The stems of values[0 ... N-1]. A value with an infinite or undefined part
// has no stem: it is listed as text instead, and leaves the range alone.
Spektrum spocitej(const std::vector<fft::Komplex>& hodnoty, QChar oddelovac);

// Both graphs: 10*(N-1) + 70 pixels, at least 969.
int sirka(int N);

} // namespace fftspektrum
