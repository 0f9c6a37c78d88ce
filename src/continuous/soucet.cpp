#include "continuous/soucet.h"

#include "core/cisla.h"

#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <utility>

namespace soucet {

namespace {
constexpr long double pi = std::numbers::pi_v<long double>;

long double znamenko(long double v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }
long double frac(long double v) { return v - std::trunc(v); }

// Graph records are single precision; a sum or product beyond their range
// becomes an infinity instead of an out-of-range conversion.
float naFloat(long double v)
{
    constexpr long double max = std::numeric_limits<float>::max();
    if (v > max)
        return std::numeric_limits<float>::infinity();
    if (v < -max)
        return -std::numeric_limits<float>::infinity();
    return float(v);
}
} // namespace

Generator ctiGenerator(QStringView a, QStringView b, QStringView c, QStringView d, QChar oddelovac)
{
    const auto va = vorta::naCislo(a, oddelovac);
    const auto vb = va ? vorta::naCislo(b, oddelovac) : std::nullopt;
    const auto vc = vb ? vorta::naCislo(c, oddelovac) : std::nullopt;
    const auto vd = vc ? vorta::naCislo(d, oddelovac) : std::nullopt;
    if (!vd)
        return Generator{};
    return Generator{*va, *vb + 1e-24L, *vc + 10000, *vd};
}

Signal generuj(Tvar tvar, const Generator& g)
{
    const long double A = g.A, B = g.B, Cc = g.Cc, D = g.D;
    Signal s;
    for (int i = -400; i <= 400; ++i) {
        const long double t = i / 200.0L;
        const long double u = t * B + Cc; // the user's B·t + C, plus 10000
        long double y = 0;
        switch (tvar) {
        case Tvar::Sinus:
            y = A * std::sin(u * 2 * pi) + D;
            break;
        case Tvar::Kosinus:
            y = A * std::cos(u * 2 * pi) + D;
            break;
        case Tvar::Skok:
            y = A * (znamenko(u - 10000) / 2 + 0.5L) + D;
            break;
        case Tvar::Rampa:
            y = A * (u - 10000);
            break;
        case Tvar::Obdelnik:
            y = A * (znamenko(std::sin(u * 2 * pi)) / 2 + 0.5L) + D;
            break;
        case Tvar::Pila:
            y = A * frac((i * B + 200 * Cc + 100000) / 200) + D;
            break;
        case Tvar::Trojuhelnik: {
            const long double f = frac((i * B + 200 * Cc + 100000) / 200);
            y = znamenko(std::sin(u * 2 * pi)) == -1 ? A * (2 - 2 * f) + D : 2 * A * f + D;
            break;
        }
        }
        s[i + 400] = Zaznam{float(t), naFloat(y), 2};
    }
    return s;
}

long double spocti(QChar znamenko, long double a, long double b)
{
    if (znamenko == u'-')
        return a - b;
    if (znamenko == u'*')
        return a * b;
    return a + b;
}

Signal vysledek(const Signal& a, const Signal& b, QChar znamenko)
{
    Signal v;
    for (int k = 0; k < PocetZaznamu; ++k)
        v[k] = Zaznam{b[k].x, naFloat(spocti(znamenko, a[k].y, b[k].y)), b[k].Styl};
    return v;
}

QString dalsiZnamenko(const QString& znamenko)
{
    if (znamenko == u"+")
        return QStringLiteral("-");
    if (znamenko == u"-")
        return QStringLiteral("*");
    return QStringLiteral("+");
}

void proved(int kod, Signal& zdroj, Signal& cil)
{
    if (kod == Vymenit) {
        std::swap(zdroj, cil);
        return;
    }
    if (kod < Pricist || kod > Prepsat)
        return;
    Signal s = zdroj;
    for (int k = 0; k < PocetZaznamu; ++k) {
        const long double t = cil[k].y, d = s[k].y;
        if (kod == Pricist)
            s[k].y = naFloat(t + d);
        else if (kod == Odecist)
            s[k].y = naFloat(t - d);
        else if (kod == Nasobit)
            s[k].y = naFloat(t * d);
    }
    cil = s;
}

} // namespace soucet
