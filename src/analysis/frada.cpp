#include "analysis/frada.h"

#include "core/cisla.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace frada {

namespace {

constexpr long double dvePi = 2 * std::numbers::pi_v<long double>;

// cos and sin of 2 pi k / n for k = 0 ... n-1: every angle the sums need is
// one of these, since m i mod M (or k j mod 100) picks the same point of the
// unit circle.
struct Kruh {
    std::vector<long double> c, s;
    explicit Kruh(int n) : c(n), s(n)
    {
        for (int k = 0; k < n; ++k) {
            const long double u = dvePi * k / n;
            c[k] = std::cos(u);
            s[k] = std::sin(u);
        }
    }
};

} // namespace

Koeficienty koeficienty(const std::vector<double>& y, int M)
{
    Koeficienty k;
    if (M < 1 || int(y.size()) < M)
        return k;
    const Kruh kruh(M);
    for (int m = 0; m <= MaxHarmonicka; ++m) {
        double sa = 0, sb = 0;
        long long index = 0; // m i mod M
        for (int i = 0; i < M; ++i) {
            sa += static_cast<double>(2.0L * y[i] * kruh.c[index]);
            sb += static_cast<double>(2.0L * y[i] * kruh.s[index]);
            index += m;
            if (index >= M)
                index %= M;
        }
        const double a = static_cast<double>(static_cast<long double>(sa) / M);
        const double b = static_cast<double>(static_cast<long double>(sb) / M);
        k.a[MaxHarmonicka + m] = a;
        k.a[MaxHarmonicka - m] = a;
        k.b[MaxHarmonicka + m] = b;
        k.b[MaxHarmonicka - m] = -b;
    }
    return k;
}

std::vector<QPointF> triPeriody(const std::vector<double>& y, int M)
{
    std::vector<QPointF> v;
    if (M < 1 || int(y.size()) < M)
        return v;
    v.reserve(3 * M);
    for (int kopie = -1; kopie <= 1; ++kopie)
        for (int i = 0; i < M; ++i)
            v.emplace_back(static_cast<double>(static_cast<long double>(i + kopie * M) / M), y[i]);
    return v;
}

std::vector<QPointF> rekonstrukce(const Koeficienty& k, int P)
{
    static const Kruh kruh(100);
    P = std::clamp(P, 0, MaxHarmonicka);
    std::vector<QPointF> v;
    v.reserve(201);
    for (int j = -50; j <= 150; ++j) {
        long double s = k.A(0) / 2.0L;
        for (int h = 1; h <= P; ++h) {
            const int index = ((h * j) % 100 + 100) % 100;
            s += k.A(h) * kruh.c[index] + k.B(h) * kruh.s[index];
        }
        v.emplace_back(j / 100.0, static_cast<double>(s));
    }
    return v;
}

double velikost(const Koeficienty& k, int m)
{
    const long double a = k.A(m), b = k.B(m);
    return static_cast<double>(std::sqrt(a * a + b * b) / 2);
}

double faze(const Koeficienty& k, int m)
{
    // Whole numbers have no signed zero: + 0 turns a rounded -0 into 0, so
    // that a negative real coefficient gives 180 and not -180.
    const long double Y = vorta::zaokrouhli(-1000.0L * k.B(m)) + 0.0L;
    const long double X = vorta::zaokrouhli(1000.0L * k.A(m)) + 0.0L;
    return static_cast<double>(std::atan2(Y, X) * 180 / std::numbers::pi_v<long double>);
}

} // namespace frada
