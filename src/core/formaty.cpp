#include "core/cisla.h"
#include "core/desetinne.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vorta {

using desetinne::Desetinne;

namespace {

QString neKonecne(long double v)
{
    if (std::isnan(v))
        return QStringLiteral("NAN");
    return v < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

void pripojCislice(QString& s, const std::string& cislice, std::size_t od, std::size_t pocet)
{
    for (std::size_t k = od; k < od + pocet; ++k)
        s += QLatin1Char(k < cislice.size() ? cislice[k] : '0');
}

// Rounded digits in the general notation: fixed while there are at most
// `presnost` digits before the separator and the magnitude is at least
// 0.0001, otherwise a mantissa and an exponent.
QString obecne(const Desetinne& d, int presnost, int minCislicExponentu, QChar oddelovac)
{
    if (d.nula())
        return QStringLiteral("0");
    QString s;
    if (d.zaporne)
        s += u'-';
    const int e = d.exponent;
    const auto k = d.cislice.size();
    if (e <= presnost && e >= -3) {
        if (e <= 0) {
            s += u'0';
            s += oddelovac;
            s += QString(-e, u'0');
            pripojCislice(s, d.cislice, 0, k);
        } else {
            pripojCislice(s, d.cislice, 0, std::size_t(e));
            if (k > std::size_t(e)) {
                s += oddelovac;
                pripojCislice(s, d.cislice, std::size_t(e), k - std::size_t(e));
            }
        }
        return s;
    }
    pripojCislice(s, d.cislice, 0, 1);
    if (k > 1) {
        s += oddelovac;
        pripojCislice(s, d.cislice, 1, k - 1);
    }
    s += u'E';
    const int exp = e - 1;
    if (exp < 0)
        s += u'-';
    char buf[16];
    const auto konec = std::to_chars(buf, buf + sizeof buf, exp < 0 ? -exp : exp).ptr;
    const int cislic = int(konec - buf);
    s += QString(std::max(0, minCislicExponentu - cislic), u'0');
    s += QLatin1String(buf, cislic);
    return s;
}

} // namespace

QString obecnyFormat(long double v, int presnost, int minCislicExponentu, QChar oddelovac)
{
    if (!std::isfinite(v))
        return neKonecne(v);
    presnost = std::clamp(presnost, 1, desetinne::maxPlatnych);
    minCislicExponentu = std::clamp(minCislicExponentu, 0, maxCislicExponentu);
    return obecne(desetinne::platne(v, presnost), presnost, minCislicExponentu, oddelovac);
}

QString fixniFormat(long double v, int desetin, QChar oddelovac)
{
    constexpr int presnost = 8;
    if (!std::isfinite(v))
        return neKonecne(v);
    desetin = std::clamp(desetin, 0, maxDesetin);
    Desetinne d = desetinne::platne(v, presnost);
    if (d.exponent > presnost)
        return obecnyFormat(v, presnost, desetin, oddelovac);
    // The decimals come from the 8 digits, not from the binary value.
    desetinne::naDesetiny(d, desetin);
    QString s;
    if (d.zaporne && !d.nula())
        s += u'-';
    const int e = d.exponent;
    if (e <= 0)
        s += u'0';
    else
        pripojCislice(s, d.cislice, 0, std::size_t(e));
    if (desetin > 0) {
        s += oddelovac;
        if (e < 0) {
            const int nul = std::min(-e, desetin);
            s += QString(nul, u'0');
            pripojCislice(s, d.cislice, 0, std::size_t(desetin - nul));
        } else {
            pripojCislice(s, d.cislice, std::size_t(e), std::size_t(desetin));
        }
    }
    return s;
}

QString fixniFormat(long double v, int desetin) { return fixniFormat(v, desetin, desetinnyOddelovac()); }

QString grafovyFormat(double v, QChar oddelovac)
{
    if (!std::isfinite(v))
        return neKonecne(v);
    // The value's 15 digits (all a double holds) drop the binary noise of a
    // computed grid value, 0.1 + 0.2 is 0.3 here.
    Desetinne d = desetinne::platne(v, 15);
    desetinne::naDesetiny(d, 5);
    desetinne::naPlatne(d, 3);
    return obecne(d, 3, 2, oddelovac);
}

QString plnyFormat(long double v, QChar oddelovac) { return obecnyFormat(v, 15, 0, oddelovac); }

} // namespace vorta
