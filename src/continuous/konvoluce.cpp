#include "continuous/konvoluce.h"

#include "core/cisla.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace konvoluce {

QStringList nazvyU()
{
    return {QStringLiteral("Obdelník"),    QStringLiteral("Dva obdelníky"),
            QStringLiteral("Pila nahoru"), QStringLiteral("Pila dolů"),
            QStringLiteral("Trojúhelník"), QStringLiteral("Trojúhelník opačně")};
}

QStringList nazvyG()
{
    return {QStringLiteral("Obdelník"), QStringLiteral("Pila"), QStringLiteral("Trojúhelník"),
            QStringLiteral("Odezva na inpuls")};
}

// The u shapes leave tau = 0 and tau = 1 at zero (j = 1 ... 99), the g shapes
// include both ends (j = 0 ... 100).
Tabulka tabulkaU(int tvar)
{
    Tabulka u{};
    for (int j = 1; j <= 99; ++j) {
        float v = 0;
        switch (tvar) {
        case 0: v = 1; break;
        case 1: v = (j <= 35 || j >= 80) ? 1 : 0; break;
        case 2: v = j / 100.0f; break;
        case 3: v = (100 - j) / 100.0f; break;
        case 4: v = j < 50 ? j / 50.0f : (100 - j) / 50.0f; break;
        case 5: v = j < 50 ? (50 - j) / 50.0f : (j - 50) / 50.0f; break;
        default: break;
        }
        u[Stred + j] = v;
    }
    return u;
}

Tabulka tabulkaG(int tvar)
{
    Tabulka g{};
    for (int j = 0; j <= 100; ++j) {
        long double v = 0;
        switch (tvar) {
        case 0: v = 1; break;
        case 1: v = j / 100.0L; break;
        case 2: v = j < 50 ? j / 50.0L : (100 - j) / 50.0L; break;
        case 3:
            // A damped response with its peak of about 1 near tau = 1/3.
            v = std::sin(j / 100.0L / 10 * std::numbers::pi_v<long double>) * (100 - j) * (100 - j) / 100 / 100
                * 21.7L;
            break;
        default: break;
        }
        g[Stred + j] = static_cast<float>(v);
    }
    return g;
}

float vzorek(const Tabulka& t, int index)
{
    if (index < 0 || index >= PocetVzorku)
        return 0;
    return t[static_cast<std::size_t>(index)];
}

std::vector<QPointF> prubeh(const Tabulka& s)
{
    std::vector<QPointF> b;
    b.reserve(451);
    for (int i = -200; i <= 250; ++i)
        b.emplace_back(i / 100.0, vzorek(s, i + Stred));
    return b;
}

std::vector<QPointF> otocene(const Tabulka& g, int P)
{
    std::vector<QPointF> b;
    b.reserve(451);
    for (int i = -200; i <= 250; ++i)
        b.emplace_back(i / 100.0, vzorek(g, Stred + P - i));
    return b;
}

std::vector<QPointF> soucin(const Tabulka& u, const Tabulka& g, int P)
{
    std::vector<QPointF> b;
    b.reserve(PocetVzorku);
    for (int i = -400; i <= 400; ++i)
        b.emplace_back(i / 100.0, double(vzorek(u, i + Stred)) * vzorek(g, Stred + P - i));
    return b;
}

double hodnota(const Tabulka& u, const Tabulka& g, int n)
{
    // tau = j/100 runs over -2 ... 2; only the j for which g(t - tau) lies
    // inside its table contribute (outside it is zero).
    const int od = std::max(-200, n - Stred), po = std::min(200, n + Stred);
    double s = 0;
    for (int j = od; j <= po; ++j)
        s += double(u[std::size_t(j + Stred)]) * g[std::size_t(Stred + n - j)];
    return s / KrokuNaSekundu;
}

std::vector<QPointF> vysledek(const Tabulka& u, const Tabulka& g)
{
    std::vector<QPointF> b;
    b.reserve(451);
    for (int n = -200; n <= 250; ++n)
        b.emplace_back(n / 100.0, hodnota(u, g, n));
    return b;
}

QString popisCasu(int P) { return QStringLiteral("t = %1ms").arg(P * 10); }

QString popisHodnoty(int P, double y, QChar oddelovac)
{
    return QStringLiteral("y (") + vorta::fixniFormat(P / 100.0L, 2, oddelovac) + QStringLiteral(") = ")
        + vorta::fixniFormat(y, 2, oddelovac);
}

} // namespace konvoluce
