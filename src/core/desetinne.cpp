#include "core/desetinne.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace vorta::desetinne {

namespace {

void odstranKoncoveNuly(Desetinne& d)
{
    while (!d.cislice.empty() && d.cislice.back() == '0')
        d.cislice.pop_back();
    if (d.cislice.empty())
        d.exponent = 0;
}

// Keeps the first `ponechat` digits; the first dropped digit decides, so a
// dropped 5 rounds away from zero.
void zaokrouhliNa(Desetinne& d, long long ponechat)
{
    const auto n = static_cast<long long>(d.cislice.size());
    if (ponechat >= n)
        return;
    if (ponechat < 0) {
        d.cislice.clear();
        d.exponent = 0;
        return;
    }
    const bool nahoru = d.cislice[ponechat] >= '5';
    d.cislice.resize(ponechat);
    if (nahoru) {
        long long i = ponechat - 1;
        while (i >= 0 && d.cislice[i] == '9')
            d.cislice[i--] = '0';
        if (i >= 0) {
            ++d.cislice[i];
        } else {
            d.cislice.insert(d.cislice.begin(), '1');
            ++d.exponent;
        }
    }
    odstranKoncoveNuly(d);
}

// |v| to exactly `cislic` significant digits, rounded to nearest by the
// standard library (exact, independent of the C library's locale; an exact
// halfway case goes to the even digit).
Desetinne rozepis(long double a, int cislic)
{
    // d.ddd...e-xxxx: at most maxPlatnych + 1 digits, a point, 'e' and 6 more.
    char buf[64];
    // A value a double holds exactly takes the double's shortcut, several
    // times faster than the long double path (graph labels are doubles).
    const double ad = static_cast<double>(a);
    const auto [konec, chyba] =
        static_cast<long double>(ad) == a
            ? std::to_chars(buf, buf + sizeof buf, ad, std::chars_format::scientific, cislic - 1)
            : std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, cislic - 1);
    Desetinne d;
    if (chyba != std::errc{})
        return d; // cannot happen with the digit counts above
    const char* e = std::find(buf, konec, 'e');
    for (const char* p = buf; p != e; ++p)
        if (*p != '.')
            d.cislice += *p;
    const char* p = e + 1;
    if (p != konec && *p == '+')
        ++p;
    int exp10 = 0;
    std::from_chars(p, konec, exp10);
    d.exponent = exp10 + 1;
    return d;
}

// Whether |v| is exactly the decimal number in `d` (an odd last digit, at
// most 19 digits). A decimal n x 10^k equals a binary long double only if
// its odd part fits the 64-bit mantissa.
bool jePresne(long double a, const Desetinne& d)
{
    std::uint64_t n = 0;
    for (char c : d.cislice)
        n = n * 10 + std::uint64_t(c - '0');
    const int k = d.exponent - int(d.cislice.size());
    if (k >= 0) {
        for (int i = 0; i < k; ++i) {
            if (n > std::numeric_limits<std::uint64_t>::max() / 5)
                return false;
            n *= 5;
        }
    } else {
        for (int i = 0; i < -k; ++i) {
            if (n % 5 != 0)
                return false;
            n /= 5;
        }
    }
    return std::ldexp(static_cast<long double>(n), k) == a;
}

} // namespace

Desetinne platne(long double v, int platnych)
{
    Desetinne d;
    if (v == 0 || !std::isfinite(v))
        return d;
    platnych = std::clamp(platnych, 1, maxPlatnych);
    const long double a = std::fabs(v);
    // One digit more, itself rounded: a last digit other than 5 decides
    // the rounding to `platnych` digits. A 5 may be an exact halfway case,
    // which the library rounds to even and people away from zero, or a
    // rounded 4999... or 5000...1, which only the exact value decides.
    d = rozepis(a, platnych + 1);
    if (d.cislice.back() != '5' || jePresne(a, d))
        zaokrouhliNa(d, platnych);
    else
        d = rozepis(a, platnych);
    odstranKoncoveNuly(d);
    d.zaporne = v < 0;
    return d;
}

void naDesetiny(Desetinne& d, int desetin) { zaokrouhliNa(d, static_cast<long long>(d.exponent) + desetin); }

void naPlatne(Desetinne& d, int platnych) { zaokrouhliNa(d, std::max(platnych, 1)); }

} // namespace vorta::desetinne
