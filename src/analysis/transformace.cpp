#include "analysis/transformace.h"

#include "analysis/dft.h"
#include "analysis/koreny.h"
#include "core/cisla.h"

#include <cmath>
#include <memory>
#include <numbers>

namespace transformace {

namespace {
constexpr long double Pi = std::numbers::pi_v<long double>;

// w_f t_i = 2 pi f (2 i - M) / (20 M): whole turns of a table of 20 M
// entries. The table is kept for the next input, which nearly always has
// the same M (600 from the entry tools).
const Koreny& korenyVzorku(int M)
{
    static std::unique_ptr<Koreny> w;
    if (!w || w->delka() != 20 * M)
        w = std::make_unique<Koreny>(20 * M);
    return *w;
}

// w_k t = 2 pi k j / 1000 for t = j / 100.
const Koreny& korenyCasu()
{
    static const Koreny w(1000);
    return w;
}

void pridej(std::vector<TBod>& b, int styl, long double x, long double y)
{
    b.push_back(TBod{static_cast<float>(x), static_cast<float>(y), styl});
}

int barva(int f, int P) { return std::abs(f - 0.5) <= P ? 2 : 6; }
} // namespace

long double omega(int f) { return static_cast<long double>(f) / 10 * 2 * Pi; }

Spektrum koeficienty(std::span<const float> y, int M)
{
    Spektrum s;
    if (M < 1)
        return s;
    std::vector<long double> v(M);
    for (int i = 0; i < M; ++i)
        v[i] = 2.0L * dft::vzorek(y, i);
    const Koreny& w = korenyVzorku(M);
    const int L = w.delka();
    const long double* c = w.cosy();
    const long double* sn = w.siny();
    // cos is even and sin odd on the table exactly, so the negative
    // frequencies mirror the positive ones: A[-f] = A[f], B[-f] = -B[f];
    // and samples i and M - i stand at t and -t, so each pair shares one
    // cosine and one sine.
    const int polovina = (M - 1) / 2;
    std::vector<long double> soucet(polovina + 1), rozdil(polovina + 1);
    for (int i = 1; i <= polovina; ++i) {
        soucet[i] = v[i] + v[M - i];
        rozdil[i] = v[i] - v[M - i];
    }
    const bool stred = M % 2 == 0; // sample M / 2 at t = 0
    for (int f = 0; f <= MaxF; ++f) {
        const int k0 = w.index(-static_cast<long long>(f) * M); // t_0 = -0.5: 2 i - M = -M
        double a = v[0] * c[k0], b = v[0] * sn[k0];
        const int krok = (2 * f) % L;
        int k = k0 + krok >= L ? k0 + krok - L : k0 + krok;
        for (int i = 1; i <= polovina; ++i) {
            a = a + soucet[i] * c[k];
            b = b + rozdil[i] * sn[k];
            if ((k += krok) >= L)
                k -= L;
        }
        if (stred && M > 1)
            a = a + v[M / 2];
        const double A = static_cast<double>(a / static_cast<long double>(M));
        const double B = static_cast<double>(b / static_cast<long double>(M));
        s.A[MaxF + f] = A;
        s.B[MaxF + f] = B;
        s.A[MaxF - f] = A;
        s.B[MaxF - f] = -B;
    }
    return s;
}

double rekonstrukce(const Spektrum& s, int P, int j)
{
    const Koreny& w = korenyCasu();
    const long double* c = w.cosy();
    const long double* sn = w.siny();
    const int L = w.delka(), krok = w.index(j);
    double v = s.a(0) / 2;
    for (int k = 1, i = krok; k <= std::min(P, MaxF); ++k) {
        v = v + (s.a(k) * c[i] + s.b(k) * sn[i]);
        if ((i += krok) >= L)
            i -= L;
    }
    return static_cast<double>(v / 10.0L);
}

std::vector<TBod> rekonstrukce(const Spektrum& s, int P)
{
    std::vector<TBod> b;
    b.reserve(201);
    for (int j = -100; j <= 100; ++j)
        pridej(b, 2, j / 100.0L, rekonstrukce(s, P, j));
    return b;
}

double fazeStupne(double A, double B)
{
    const long double Y = vorta::zaokrouhli(-1000.0L * B), X = vorta::zaokrouhli(1000.0L * A);
    // whole numbers: a rounded 0 is +0, so atan2(0, 0) = 0 and a negative real
    // value reads 180
    return static_cast<double>(std::atan2(Y + 0.0L, X + 0.0L) * 180 / Pi);
}

std::vector<TBod> modul(const Spektrum& s, int P)
{
    std::vector<TBod> b;
    b.reserve(PocetFrekvenci);
    for (int f = -MaxF; f <= MaxF; ++f)
        pridej(b, barva(f, P), omega(f), std::hypot(s.a(f), s.b(f)) / 2);
    return b;
}

std::vector<TBod> faze(const Spektrum& s, int P)
{
    std::vector<TBod> b;
    b.reserve(PocetFrekvenci);
    for (int f = -MaxF; f <= MaxF; ++f)
        pridej(b, barva(f, P), omega(f), fazeStupne(s.a(f), s.b(f)));
    return b;
}

QString popisStupne(int P)
{
    return QStringLiteral("=") + vorta::fixniFormat(static_cast<long double>(P) * Pi / 5, 1);
}

} // namespace transformace
