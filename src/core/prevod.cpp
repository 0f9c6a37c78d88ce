#include "core/cisla.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace vorta {

std::optional<long double> naCislo(QStringView text, QChar oddelovac)
{
    qsizetype i = 0, n = text.size();
    while (i < n && text[i].isSpace())
        ++i;
    while (n > i && text[n - 1].isSpace())
        --n;
    bool zaporne = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        zaporne = text[i++] == u'-';
    std::string cislice; // all mantissa digits, without the separator
    auto ctiCislice = [&] {
        while (i < n && text[i] >= u'0' && text[i] <= u'9')
            cislice += char(text[i++].unicode());
    };
    ctiCislice();
    const auto celych = static_cast<long long>(cislice.size());
    if (i < n && text[i] == oddelovac) {
        ++i;
        ctiCislice();
    }
    if (cislice.empty())
        return std::nullopt;
    // Exponents far beyond any double saturate: their digits count, not
    // their size.
    constexpr long long mezExponentu = 1'000'000;
    long long exponent = 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        bool zapornyExponent = false;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            zapornyExponent = text[i++] == u'-';
        const qsizetype zacatek = i;
        while (i < n && text[i] >= u'0' && text[i] <= u'9')
            exponent = std::min(exponent * 10 + (text[i++].unicode() - u'0'), mezExponentu);
        if (i == zacatek)
            return std::nullopt;
        if (zapornyExponent)
            exponent = -exponent;
    }
    if (i != n)
        return std::nullopt;

    const long double nula = zaporne ? -0.0L : 0.0L;
    const auto prvni = cislice.find_first_not_of('0');
    if (prvni == std::string::npos)
        return nula;
    // The value is 0.c1c2... x 10^rad with c1 the first non-zero digit.
    const long long rad = celych - static_cast<long long>(prvni) + exponent;
    if (rad > 400) // far beyond the largest double
        return std::nullopt;
    if (rad < -5000) // below the smallest long double: zero, as below the normal ones
        return nula;
    std::string c = "0.";
    c.append(cislice, prvni);
    c += 'e';
    char buf[16];
    c.append(buf, std::to_chars(buf, buf + sizeof buf, rad).ptr);
    long double v = 0;
    const auto [konec, chyba] = std::from_chars(c.data(), c.data() + c.size(), v);
    if (chyba == std::errc::result_out_of_range)
        v = 0; // only an underflow below the normal long doubles gets here
    else if (chyba != std::errc{} || konec != c.data() + c.size())
        return std::nullopt;
    if (zaporne)
        v = -v;
    // The largest double as the full format shows it, 1,79769313486232E308,
    // lies beyond the double itself; it and everything up to it read as the
    // largest double, so that every shown value reads back.
    constexpr long double maxDouble = std::numeric_limits<double>::max();
    constexpr long double maxZobrazene = 1.79769313486232e308L;
    if (std::fabs(v) > maxDouble) {
        if (std::fabs(v) > maxZobrazene)
            return std::nullopt;
        v = std::copysign(maxDouble, v);
    }
    return v;
}

std::optional<long double> naCislo(QStringView text) { return naCislo(text, desetinnyOddelovac()); }

} // namespace vorta
