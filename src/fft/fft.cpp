#include "fft/fft.h"

#include "core/cisla.h"

#include <charconv>
#include <cfloat>
#include <cmath>
#include <numbers>

namespace fft {

namespace {

// Half an ulp above the largest single: from here on, rounding to single
// gives infinity.
constexpr long double prahPreteceni = 0x1.ffffffp127L;

} // namespace

QString desitkove(long long v)
{
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return QString::fromLatin1(buf, int(r.ptr - buf));
}

int obratit(int i, int L)
{
    int r = 0;
    for (int b = 0; b < L; ++b)
        if (i & (1 << b))
            r |= 1 << (L - 1 - b);
    return r;
}

QString binarne(int i, int L)
{
    QString s;
    for (int b = 0; b < L; ++b)
        s.prepend((i & (1 << b)) ? u'1' : u'0');
    return s;
}

int log2N(int N)
{
    int L = 0;
    while ((1 << L) < N)
        ++L;
    return L;
}

float jednoducha(long double v)
{
    if (std::isnan(v))
        return std::numeric_limits<float>::quiet_NaN();
    if (std::fabs(v) >= prahPreteceni)
        return v < 0 ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
    if (std::fabs(v) > FLT_MAX)
        return v < 0 ? -FLT_MAX : FLT_MAX;
    return static_cast<float>(v);
}

Komplex konstanta(int k, int N)
{
    const long double uhel = static_cast<long double>(k) / N * 2 * std::numbers::pi_v<long double>;
    return {jednoducha(std::cos(uhel)), jednoducha(-std::sin(uhel))};
}

Komplex soucin(Komplex a, Komplex b)
{
    const long double ar = a.re, ai = a.im, br = b.re, bi = b.im;
    return {jednoducha(ar * br - ai * bi), jednoducha(ar * bi + ai * br)};
}

long double velikost(Komplex c)
{
    const long double re = c.re, im = c.im;
    return std::sqrt(re * re + im * im);
}

long double uhel(Komplex c)
{
    const long double u = std::atan2(static_cast<long double>(c.im), static_cast<long double>(c.re))
                          / std::numbers::pi_v<long double> * 180;
    // atan2 gives -180 for a negative real part with an imaginary part of -0;
    // the angle is kept in (-180, 180].
    return u <= -180 ? u + 360 : u;
}

QString komplexni(Komplex c, bool exponencialni, QChar oddelovac)
{
    if (exponencialni) {
        float u = jednoducha(uhel(c));
        // Rounding to single can land an angle just above -180 on -180.
        if (u <= -180.0f)
            u = 180.0f;
        return vorta::fixniFormat(jednoducha(velikost(c)), 2, oddelovac) + u' '
               + vorta::fixniFormat(u, 2, oddelovac) + u'°';
    }
    // NaN has no sign worth showing: it takes " + j" like any non-negative.
    const bool zaporna = c.im < 0;
    return vorta::fixniFormat(c.re, 2, oddelovac) + (zaporna ? QStringLiteral(" - j") : QStringLiteral(" + j"))
           + vorta::fixniFormat(std::fabs(c.im), 2, oddelovac);
}

QString popisKonstanty(int k, int N, Komplex w, const Zobrazeni& z, QChar oddelovac)
{
    if (!z.zavislost && !z.expo && !z.rovnici && !z.vysledek)
        return QStringLiteral("?");
    const QString kN = desitkove(k) + u'/' + desitkove(N);
    QString s;
    if (z.zavislost) {
        s += QStringLiteral("W(") + desitkove(k) + u',' + desitkove(N) + u')';
        if (z.expo || z.rovnici || z.vysledek)
            s += QStringLiteral(" = ");
    }
    if (z.expo) {
        s += QStringLiteral("exp(-j*2*pi*") + kN + u')';
        if (z.rovnici || z.vysledek)
            s += QStringLiteral(" = ");
    }
    if (z.rovnici) {
        s += QStringLiteral("cos(2*pi*") + kN + QStringLiteral(")-j*sin(2*pi*") + kN + u')';
        if (z.vysledek)
            s += QStringLiteral(" = ");
    }
    if (z.vysledek)
        s += komplexni(w, z.exponencialni, oddelovac);
    return s;
}

} // namespace fft
