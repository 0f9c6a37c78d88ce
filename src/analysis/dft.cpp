#include "analysis/dft.h"

#include "analysis/koreny.h"
#include "core/cisla.h"

#include <cmath>

namespace dft {

float vzorek(std::span<const float> y, long long i)
{
    if (i < 0 || i >= static_cast<long long>(y.size()) || !std::isfinite(y[i]))
        return 0;
    return y[i];
}

std::vector<float> vzorkuj(std::span<const float> y, int M, int N, int pocet)
{
    std::vector<float> x;
    if (N < 1 || pocet < 1)
        return x;
    x.resize(pocet);
    const long double krok = static_cast<long double>(M) / N;
    for (int n = 0; n < pocet; ++n)
        x[n] = vzorek(y, static_cast<long long>(vorta::zaokrouhli(n * krok)));
    return x;
}

Spektrum soucty(std::span<const float> x, long double delitel)
{
    Spektrum s;
    const int N = static_cast<int>(x.size());
    if (N < 1 || !(delitel != 0))
        return s;
    const Koreny w(N);
    for (int m = -MaxHarmonicka; m <= MaxHarmonicka; ++m) {
        double re = 0, im = 0;
        for (int n = 0; n < N; ++n) {
            const long long k = static_cast<long long>(m) * n;
            re = re + x[n] * w.cos(k);
            im = im + x[n] * w.sin(k);
        }
        s.Re[m] = static_cast<float>(re / delitel);
        s.Im[m] = static_cast<float>(im / delitel);
    }
    return s;
}

Stupen upravStupen(int pozice, int maximum, int N)
{
    const int novy = N - 1;
    if (pozice == maximum)
        return {novy, novy};
    return {novy, pozice > novy ? novy : pozice};
}

std::vector<TBod> vstup(std::span<const float> y, int M, std::span<const float> x)
{
    std::vector<TBod> b;
    const int N = static_cast<int>(x.size());
    const long double Ml = M;
    b.reserve(3 * std::max(M, 0) + 1 + 5 * N);
    auto bod = [&b](int styl, long double px, long double py) {
        b.push_back(TBod{static_cast<float>(px), static_cast<float>(py), styl});
    };
    for (int i = 0; i < M; ++i)
        bod(2, (i - Ml) / Ml, 0);
    for (int i = 0; i < M; ++i)
        bod(2, i / Ml, vzorek(y, i));
    for (int i = 0; i < M; ++i)
        bod(2, (Ml + i) / Ml, 0);
    bod(0, -100, 0);
    const long double Nl = N;
    for (int i = 0; i < N; ++i)
        bod(-1, (i - Nl) / Nl, 0);
    for (int n = 0; n < N; ++n) {
        bod(0, n / Nl, 0);
        bod(1, n / Nl, x[n]);
        bod(-1, n / Nl, x[n]);
    }
    for (int i = 0; i < N; ++i)
        bod(-1, (Nl + i) / Nl, 0);
    return b;
}

QString popisVzorku(int N) { return QStringLiteral("vz=") + vorta::fixniFormat(N, 0); }
QString popisStupne(int P) { return QStringLiteral("n=") + vorta::fixniFormat(P + 1, 0); }

} // namespace dft
