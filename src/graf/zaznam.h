#pragma once
// A point record in its file form: x and y as little-endian IEEE singles,
// then the style code as a little-endian 32-bit integer, whatever the host.
#include "graf/bod.h"

#include <QtEndian>
#include <bit>
#include <cstdint>

namespace vorta::graf {

inline void zapisZaznam(char* cil, const TBod& b)
{
    qToLittleEndian(std::bit_cast<std::uint32_t>(b.x), cil);
    qToLittleEndian(std::bit_cast<std::uint32_t>(b.y), cil + 4);
    qToLittleEndian(b.Styl, cil + 8);
}

inline TBod ctiZaznam(const char* z)
{
    TBod b;
    b.x = std::bit_cast<float>(qFromLittleEndian<std::uint32_t>(z));
    b.y = std::bit_cast<float>(qFromLittleEndian<std::uint32_t>(z + 4));
    b.Styl = qFromLittleEndian<std::int32_t>(z + 8);
    return b;
}

} // namespace vorta::graf
