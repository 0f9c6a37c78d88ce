#include "graf/barvy.h"

#include <algorithm>
#include <cstdlib>

namespace vorta::graf {

namespace {

constexpr QRgb tabulka[10] = {
    0xFF000000, // 0 black
    0xFFFF0000, // 1 red
    0xFF0000FF, // 2 blue
    0xFF008000, // 3 green
    0xFFFFFF00, // 4 yellow
    0xFFFF00FF, // 5 fuchsia
    0xFF808080, // 6 grey
    0xFFC0C0C0, // 7 silver
    0xFFA6CAF0, // 8 sky blue
    0xFFC0DCC0, // 9 money green
};

// |INT32_MIN| does not fit an int32.
std::int64_t velikost(std::int32_t styl) { return std::llabs(static_cast<std::int64_t>(styl)); }

} // namespace

QRgb barvaStylu(std::int32_t styl)
{
    const std::int64_t i = velikost(styl) % 100;
    return i < 10 ? tabulka[i] : tabulka[0];
}

int sirkaStylu(std::int32_t styl, int sirkaCary)
{
    const std::int64_t w = velikost(styl) / 100;
    const std::int64_t s = w != 0 ? w : sirkaCary;
    return static_cast<int>(std::clamp<std::int64_t>(s, 1, maxSirkaPera));
}

QList<QRgb> paletaGrafu(const QList<QRgb>& dalsi)
{
    QList<QRgb> p;
    p.reserve(256);
    auto pridej = [&p](QRgb c) {
        c |= 0xFF000000u;
        if (p.size() < 256 && !p.contains(c))
            p.append(c);
    };
    for (QRgb c : tabulka)
        pridej(c);
    for (QRgb c : {0xFFFFFFFFu, 0xFF00FFFFu, hranaSvetla, hranaPolosvetla, hranaStin, hranaTmava})
        pridej(c);
    for (QRgb c : dalsi)
        pridej(c);
    // A 6 x 6 x 6 cube keeps colours from outside the graph near their own.
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                pridej(qRgb(r * 51, g * 51, b * 51));
    for (int k = 0; p.size() < 256; ++k)
        p.append(qRgb(k, k, k) | 0xFF000000u); // grey padding; duplicates are harmless
    return p;
}

} // namespace vorta::graf
