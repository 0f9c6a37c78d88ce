#include "analysis/dfr.h"

namespace dfr {

dft::Spektrum koeficienty(std::span<const float> x) { return dft::soucty(x, static_cast<long double>(x.size())); }

std::vector<TBod> vstup(std::span<const float> y, int M, std::span<const float> x)
{
    std::vector<TBod> b;
    const int N = static_cast<int>(x.size());
    b.reserve(3 * std::max(M, 0) + 1 + 9 * N);
    auto bod = [&b](int styl, long double px, long double py) {
        b.push_back(TBod{static_cast<float>(px), static_cast<float>(py), styl});
    };
    const long double Ml = M, Nl = N;
    for (int k = -1; k <= 1; ++k)
        for (int i = 0; i < M; ++i)
            bod(2, (i + k * Ml) / Ml, dft::vzorek(y, i));
    bod(0, -100, 0);
    for (int k = -1; k <= 1; ++k)
        for (int n = 0; n < N; ++n) {
            const long double t = (n + k * Nl) / Nl;
            bod(0, t, 0);
            bod(1, t, x[n]);
            bod(-1, t, x[n]);
        }
    return b;
}

} // namespace dfr
