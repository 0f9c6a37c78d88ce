#include "core/cisla.h"

#include <QLocale>
#include <cmath>

namespace vorta {

QChar desetinnyOddelovac()
{
    // The decimal point, never the group separator (German and Czech group
    // with '.' and ' ' and write decimals with ',').
    const QString s = QLocale::system().decimalPoint();
    return s.isEmpty() ? QChar('.') : s.front();
}

long double zaokrouhli(long double v)
{
    // nearbyint follows the current rounding mode; the program never changes
    // it from the default, which is to nearest with ties to even.
    return std::nearbyintl(v);
}

long double orizni(long double v) { return std::truncl(v); }

static int naIntOmezene(long double v, int limit)
{
    if (std::isnan(v))
        return 0;
    if (v > limit)
        return limit;
    if (v < -limit)
        return -limit;
    return static_cast<int>(v);
}

int zaokrouhliNaInt(long double v, int limit) { return naIntOmezene(zaokrouhli(v), limit); }
int orizniNaInt(long double v, int limit) { return naIntOmezene(orizni(v), limit); }

} // namespace vorta
