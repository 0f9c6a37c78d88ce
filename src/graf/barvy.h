#pragma once
// What a point's style code means for its look, and the colours a graph can
// ever put on screen (the palette of its 8-bit pictures).
#include <QColor>
#include <QList>
#include <QRgb>
#include <cstdint>

namespace vorta::graf {

// |code| mod 100 picks one of ten colours; anything from 10 up is black.
QRgb barvaStylu(std::int32_t styl);

// |code| div 100, or the graph's default width when that is 0. The result is
// at least 1 and at most maxSirkaPera. The windows draw with widths 1 to 4;
// the cap is twice that, and low enough that no graph file, however crafted,
// can make a paint slow: markers grow with the width, and 3072 markers of
// width 16 took three times as long as the same of width 8.
int sirkaStylu(std::int32_t styl, int sirkaCary);
inline constexpr int maxSirkaPera = 8;

// The greys of the two-pixel 3D edges.
inline constexpr QRgb hranaSvetla = 0xFFFFFFFF;    // highlight
inline constexpr QRgb hranaPolosvetla = 0xFFD4D0C8; // light face
inline constexpr QRgb hranaStin = 0xFF808080;       // shadow
inline constexpr QRgb hranaTmava = 0xFF404040;      // dark shadow

// 256 entries: every colour a graph paints with (style colours, black,
// white, aqua, the edge greys, the grid grey), then `dalsi` (a background or
// other colours actually used), then a colour cube for anything else.
QList<QRgb> paletaGrafu(const QList<QRgb>& dalsi);

} // namespace vorta::graf
