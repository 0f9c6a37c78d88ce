#include "analysis/spektrum.h"

#include "core/cisla.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace spektrum {

Spektrum kresliSpektrum(int P, int N, const PoleM& Re, const PoleM& Im, double scale)
{
    constexpr long double dvePi = 2 * std::numbers::pi_v<long double>;
    if (N < 1)
        N = 1;
    if (scale == 0 || !std::isfinite(scale))
        scale = 1;
    const int horni = std::min(P, MaxM); // Re and Im end at m = 40
    Spektrum s;

    const int od = vorta::zaokrouhliNaInt(-0.5L * N);
    const int po = vorta::zaokrouhliNaInt(1.5L * N);
    s.rekonstrukce.reserve(std::max(0, po - od + 1));
    for (int n = od; n <= po; ++n) {
        double soucet = 0;
        for (int k = 0; k <= horni; ++k) {
            const long double u = dvePi * k * n / N;
            soucet += static_cast<double>(Re[k] * std::cos(u) + Im[k] * std::sin(u));
        }
        s.rekonstrukce.push_back({static_cast<double>(static_cast<long double>(n) / N), soucet / scale, 1});
    }

    const int L = vorta::zaokrouhliNaInt(40.0L / N);
    for (int j = -L; j <= L; ++j)
        s.periody.push_back({double(j) * N});

    s.velikost.reserve(2 * MaxM + 1);
    s.faze.reserve(2 * MaxM + 1);
    for (int m = -MaxM; m <= MaxM; ++m) {
        const std::int32_t styl = (m >= 0 && m <= P) ? 2 : 6;
        const long double re = Re[m], im = Im[m];
        const long double c = std::sqrt(re * re + im * im);
        long double phi = std::atan2(-im, re) * 180 / std::numbers::pi_v<long double>;
        if (vorta::zaokrouhli(c * 100 / scale) == 0)
            phi = 0;
        s.velikost.push_back({double(m), static_cast<double>(c), styl});
        s.faze.push_back({double(m), static_cast<double>(phi), styl});
    }
    return s;
}

} // namespace spektrum
