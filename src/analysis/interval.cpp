#include "analysis/interval.h"

#include <cmath>

namespace analyza {

Interval ctiInterval(const TBod* zaznamy, int pocet, double t0, double t1)
{
    Interval v;
    v.y.reserve(KapacitaIntervalu);
    bool zacato = false;
    for (int k = 0; k < pocet; ++k) {
        const TBod& b = zaznamy[k];
        if (!zacato && b.x >= t0)
            zacato = true;
        if (!zacato)
            continue;
        v.y.push_back(std::isfinite(b.y) ? double(b.y) : 0.0);
        if (b.x >= t1) {
            v.konec = true;
            break;
        }
        if (int(v.y.size()) == KapacitaIntervalu)
            break;
    }
    v.M = int(v.y.size()) - 1;
    if (v.M < 1) {
        // One sample is a constant; no sample at all is silence.
        const double hodnota = v.y.empty() ? 0.0 : v.y.front();
        v.y.assign(2, hodnota);
        v.M = 1;
    }
    return v;
}

} // namespace analyza
