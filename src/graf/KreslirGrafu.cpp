#include "graf/KreslirGrafu.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace vorta::graf {

namespace {

// Bit for bit, so that a NaN division count still matches itself.
bool stejne(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

bool stejne(Rozsah a, Rozsah b) { return stejne(a.min, b.min) && stejne(a.max, b.max); }

} // namespace

bool KreslirGrafu::stejnePozadi(const PopisGrafu& g) const
{
    const PopisGrafu& k = m_klic;
    // The ranges as the background is drawn from them, after their repair.
    return m_platne && g.velikost == k.velikost && g.barvaPozadi == k.barvaPozadi && g.ramecek == k.ramecek
        && g.nadpis == k.nadpis && g.xNadpis == k.xNadpis && g.yNadpis == k.yNadpis
        && stejne(opravRozsah(g.xMin, g.xMax), opravRozsah(k.xMin, k.xMax))
        && stejne(opravRozsah(g.yMin, g.yMax), opravRozsah(k.yMin, k.yMax)) && g.nuly == k.nuly
        && g.cary == k.cary && stejne(g.xCislic, k.xCislic) && stejne(g.yCislic, k.yCislic)
        && g.oddelovac == k.oddelovac && stejne(g.dpr, k.dpr);
}

QRect KreslirGrafu::vykresli(QImage& platno, const PopisGrafu& g)
{
    m_pouzito = stejnePozadi(g);
    if (!m_pouzito) {
        m_plocha = vykresliPozadi(m_pozadi, g);
        m_klic = g;
        m_klic.sloty = nullptr; // the points are drawn anew every time
        m_platne = true;
    }
    if (platno.size() != m_pozadi.size() || platno.format() != m_pozadi.format() || platno.isDetached() == false)
        platno = QImage(m_pozadi.size(), m_pozadi.format());
    platno.setDevicePixelRatio(m_pozadi.devicePixelRatio());
    if (!m_pozadi.isNull())
        std::memcpy(platno.bits(), m_pozadi.constBits(), std::size_t(m_pozadi.sizeInBytes()));
    vykresliBodyDo(platno, m_plocha, g, true);
    return m_plocha;
}

} // namespace vorta::graf
