#include "analysis/dtft.h"

#include "analysis/dft.h"
#include "analysis/koreny.h"
#include "core/cisla.h"

#include <cmath>
#include <numbers>

namespace dtft {

namespace {
constexpr long double Pi = std::numbers::pi_v<long double>;

const Koreny& koreny()
{
    static const Koreny w(KrokuNaPeriodu);
    return w;
}

void pridej(std::vector<TBod>& b, int styl, long double x, long double y)
{
    b.push_back(TBod{static_cast<float>(x), static_cast<float>(y), styl});
}

// Red lines of width 2 at the multiples of 2 pi, then a move far to the
// left so that the curve that follows starts a line of its own.
void periody(std::vector<TBod>& b, float vyska)
{
    for (int j = -2; j <= 2; ++j) {
        pridej(b, 0, 2 * Pi * j, -vyska);
        pridej(b, 201, 2 * Pi * j, vyska);
    }
    pridej(b, 0, -1000, 0);
}

int barva(int k, int P) { return (k >= 0 && k <= P) ? 2 : 6; }
} // namespace

long double omega(int k) { return static_cast<long double>(k) / KrokuNaPeriodu * 2 * Pi; }

std::vector<float> vzorkuj(std::span<const float> y, int M, int N)
{
    std::vector<float> x = dft::vzorkuj(y.first(std::min<std::size_t>(y.size(), std::max(M, 0))), M, N, N + 1);
    if (!x.empty())
        x.back() = 0; // round(N * (M / N)) is M, the end of the pulse
    return x;
}

Spektrum koeficienty(std::span<const float> x)
{
    Spektrum s;
    const int N = static_cast<int>(x.size()) - 1;
    const Koreny& w = koreny();
    for (int k = -MaxK; k <= MaxK; ++k) {
        double re = 0, im = 0;
        for (int n = 0; n < N; ++n) {
            const long long i = static_cast<long long>(k) * n;
            re = re + x[n] * w.cos(i);
            im = im + x[n] * w.sin(i);
        }
        s.Re[k + MaxK] = static_cast<float>(re);
        s.Im[k + MaxK] = static_cast<float>(im);
    }
    return s;
}

double hodnota(const Spektrum& X, int P, int n)
{
    const Koreny& w = koreny();
    double s = 0;
    // w_200 = 2 pi is w_0 again: one period holds the 200 frequencies
    // k = 0 ... 199, and counting k = 200 as well would add X(0) / 200 to
    // every sample of the full-band reconstruction.
    for (int k = 0; k <= std::min(P, KrokuNaPeriodu - 1); ++k) {
        const long long i = static_cast<long long>(k) * n;
        s = s + (X.re(k) * w.cos(i) + X.im(k) * w.sin(i));
    }
    return static_cast<double>(s / static_cast<long double>(KrokuNaPeriodu));
}

std::vector<TBod> rekonstrukce(const Spektrum& X, int P, int N)
{
    std::vector<TBod> b;
    if (N < 1)
        return b;
    const int od = vorta::zaokrouhliNaInt(-0.5L * N), po = vorta::zaokrouhliNaInt(1.5L * N);
    b.reserve(3 * (po - od + 1));
    for (int n = od; n <= po; ++n) {
        const long double t = static_cast<long double>(n) / N - 0.5L;
        const double s = hodnota(X, P, n);
        pridej(b, 0, t, 0);
        pridej(b, 1, t, s);
        pridej(b, -1, t, s);
    }
    return b;
}

double fazeStupne(float re, float im)
{
    // from singles, a double holds |X| and the angle exactly enough
    const double r = std::hypot(double(re), double(im));
    if (vorta::zaokrouhli(r * 100 / 10) == 0)
        return 0;
    // -Im + 0 turns a negative zero into +0, so a negative real value reads
    // 180 degrees and not -180 by the accident of a sign of zero.
    return std::atan2(-double(im) + 0.0, double(re)) * (180 / std::numbers::pi);
}

std::vector<TBod> modul(const Spektrum& X, int P)
{
    std::vector<TBod> b;
    b.reserve(11 + PocetFrekvenci);
    periody(b, 100);
    for (int k = -MaxK; k <= MaxK; ++k)
        pridej(b, barva(k, P), omega(k), std::hypot(double(X.re(k)), double(X.im(k))));
    return b;
}

std::vector<TBod> faze(const Spektrum& X, int P)
{
    std::vector<TBod> b;
    b.reserve(11 + PocetFrekvenci);
    periody(b, 500);
    for (int k = -MaxK; k <= MaxK; ++k)
        pridej(b, barva(k, P), omega(k), fazeStupne(X.re(k), X.im(k)));
    return b;
}

std::vector<TBod> vstup(std::span<const float> y, int M, std::span<const float> x)
{
    std::vector<TBod> b;
    const int N = static_cast<int>(x.size()) - 1;
    if (N < 1)
        return b;
    b.reserve(3 * std::max(M, 0) + 5 * N + 3);
    const long double Ml = M, Nl = N;
    for (int i = 0; i < M; ++i)
        pridej(b, 2, (i - 1.5L * Ml) / Ml, 0);
    for (int i = 0; i < M; ++i)
        pridej(b, 2, (i - 0.5L * Ml) / Ml, dft::vzorek(y, i));
    for (int i = 0; i < M; ++i)
        pridej(b, 2, (0.5L * Ml + i) / Ml, 0);
    for (int i = 0; i < N; ++i)
        pridej(b, -1, (i - 1.5L * Nl) / Nl, 0);
    for (int n = 0; n <= N; ++n) {
        const long double t = (n - 0.5L * Nl) / Nl;
        pridej(b, 0, t, 0);
        pridej(b, 1, t, x[n]);
        pridej(b, -1, t, x[n]);
    }
    for (int i = 1; i < N; ++i)
        pridej(b, -1, (0.5L * Nl + i) / Nl, 0);
    return b;
}

QString popisStupne(int P)
{
    return QStringLiteral("=") + vorta::fixniFormat(static_cast<long double>(P) / 100 * Pi, 2);
}

QString popisVzorku(int N) { return dft::popisVzorku(N); }

} // namespace dtft
