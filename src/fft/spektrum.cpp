#include "fft/spektrum.h"

#include <algorithm>
#include <cmath>

namespace fftspektrum {

Spektrum spocitej(const std::vector<fft::Komplex>& hodnoty, QChar oddelovac)
{
    Spektrum s;
    float M = 0;
    for (int k = 0; k < int(hodnoty.size()); ++k) {
        const fft::Komplex c = hodnoty[k];
        const float v = fft::jednoducha(fft::velikost(c));
        if (!std::isfinite(c.re) || !std::isfinite(c.im) || !std::isfinite(v)) {
            s.neKonecne.push_back(QStringLiteral("S(") + fft::desitkove(k) + QStringLiteral(") = ")
                                  + fft::komplexni(c, false, oddelovac));
            continue;
        }
        M = std::max(M, v);
        s.stonky.push_back({k, v, fft::jednoducha(fft::uhel(c))});
    }
    const double m = M < 1e-10 ? 1.0 : double(M);
    s.yMax = 1.1 * m;
    s.yMin = -0.1 * m;
    return s;
}

int sirka(int N) { return std::max(969, 10 * (N - 1) + 70); }

} // namespace fftspektrum
