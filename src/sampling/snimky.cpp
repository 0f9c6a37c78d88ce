#include "sampling/snimky.h"

#include "core/cisla.h"

#include <algorithm>
#include <numbers>

namespace snimky {

int interval(int zaSekundu)
{
    const int n = std::clamp(zaSekundu, MinZaSekundu, MaxZaSekundu);
    return vorta::zaokrouhliNaInt(1000.0L / n);
}

void Mereni::zacni(std::int64_t ms)
{
    m_od = ms;
    m_pocet = 0;
}

bool Mereni::snimek(std::int64_t ms)
{
    ++m_pocet;
    const std::int64_t uplynulo = ms - m_od;
    if (uplynulo < 1000)
        return false;
    m_fps = vorta::zaokrouhliNaInt(static_cast<long double>(m_pocet) * 1000 / uplynulo);
    zacni(ms);
    return true;
}

QString popisFps(int fps) { return vorta::fixniFormat(fps, 0, QLatin1Char('.')) + QStringLiteral(" FPS"); }

QString popisStupnu(int stupnu) { return vorta::fixniFormat(stupnu, 0, QLatin1Char('.')) + QStringLiteral("°"); }

QString popisRadianu(int stupnu, QChar oddelovac)
{
    return vorta::fixniFormat(stupnu / 180.0L * std::numbers::pi_v<long double>, 2, oddelovac) + QStringLiteral(" rad");
}

} // namespace snimky
