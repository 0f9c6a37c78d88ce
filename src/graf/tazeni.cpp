#include "graf/tazeni.h"

#include "graf/zaznam.h"

#include <QtEndian>
#include <algorithm>

namespace vorta::graf {

namespace {
constexpr qsizetype hlavicka = 8 + 8 + 4;
}

QByteArray zakodujTazeni(std::int64_t proces, std::uint64_t graf, int pocet, const TBod* sloty)
{
    pocet = std::clamp(pocet, 0, MaxBodu);
    QByteArray data(hlavicka + qsizetype(VelikostZaznamu) * pocet, Qt::Uninitialized);
    char* z = data.data();
    qToLittleEndian(proces, z);
    qToLittleEndian(graf, z + 8);
    qToLittleEndian(std::int32_t(pocet), z + 16);
    for (int k = 0; k < pocet; ++k)
        zapisZaznam(z + hlavicka + VelikostZaznamu * k, sloty[k]);
    return data;
}

std::optional<ObsahTazeni> dekodujTazeni(QByteArrayView data)
{
    if (data.size() < hlavicka)
        return std::nullopt;
    const char* z = data.data();
    const std::int32_t pocet = qFromLittleEndian<std::int32_t>(z + 16);
    if (pocet < 0 || pocet > MaxBodu || data.size() != hlavicka + qsizetype(VelikostZaznamu) * pocet)
        return std::nullopt;
    ObsahTazeni o;
    o.proces = qFromLittleEndian<std::int64_t>(z);
    o.graf = qFromLittleEndian<std::uint64_t>(z + 8);
    o.body.reserve(pocet);
    for (int k = 0; k < pocet; ++k)
        o.body.push_back(ctiZaznam(z + hlavicka + VelikostZaznamu * k));
    return o;
}

} // namespace vorta::graf
