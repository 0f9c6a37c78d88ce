#pragma once
// One stored point of a graph. The same 12 bytes, little-endian, are the
// records of a graph file and of a dragged graph.
#include <cstdint>

struct TBod {
    float x = 0;
    float y = 0;
    std::int32_t Styl = 0;
};
static_assert(sizeof(TBod) == 12, "TBod is a 12-byte file record");

enum TTypRamecku : std::uint8_t { rDolu, rZadny, rCara, rNahoru, rDrazkaDolu, rDrazkaNahoru };
enum TTvarovac : std::uint8_t { tLinearne, tPridrzeni };

namespace vorta::graf {

inline constexpr int MaxBodu = 3072;
inline constexpr int PocetSlotu = MaxBodu + 1;
inline constexpr int VelikostZaznamu = 12;

} // namespace vorta::graf
