#include "graf/Znacka.h"

#include "graf/barvy.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <mutex>
#include <cstdint>
#include <cstring>
#include <memory>

namespace vorta::graf {

void nakresliZnacku(QPainter& p, QPoint stred, int sirka, qreal dpr)
{
    const qreal r = 2 * sirka * dpr;
    if (r == std::floor(r))
        p.drawEllipse(stred, int(r), int(r));
    else
        p.drawEllipse(QPointF(stred), r, r);
}

Znacka::Znacka(int sirka, qreal dpr)
{
    // Three colours that no pixel can mix (the painter does not antialias
    // here) tell the untouched, ring and inside pixels apart.
    constexpr QRgb nic = 0xFF000000, pero = 0xFFFF0000, vypln = 0xFF0000FF;
    const int okraj = 3 * int(std::ceil(sirka * dpr)) + 4;
    QImage o(2 * okraj + 1, 2 * okraj + 1, QImage::Format_RGB32);
    o.fill(nic);
    {
        QPainter p(&o);
        p.setPen(QPen(QColor(pero), sirka * dpr, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        p.setBrush(QColor(vypln));
        nakresliZnacku(p, QPoint(okraj, okraj), sirka, dpr);
    }
    for (int y = 0; y < o.height(); ++y) {
        const auto* radek = reinterpret_cast<const QRgb*>(o.constScanLine(y));
        for (int x = 0; x < o.width();) {
            const QRgb c = radek[x];
            int k = x + 1;
            while (k < o.width() && radek[k] == c)
                ++k;
            if (c != nic)
                m_useky.push_back({y - okraj, x - okraj, k - x, c == pero});
            x = k;
        }
    }
}

const Znacka& Znacka::pro(int sirka, qreal dpr)
{
    sirka = std::clamp(sirka, 1, maxSirkaPera);
    if (dpr == 1) {
        static const auto vsechny = [] {
            std::array<std::unique_ptr<Znacka>, maxSirkaPera> z;
            for (int w = 1; w <= maxSirkaPera; ++w)
                z[w - 1].reset(new Znacka(w, 1));
            return z;
        }();
        return *vsechny[sirka - 1];
    }
    // Other ratios as screens ask for them; a marker once made is never
    // freed, so the reference stays valid.
    static std::mutex zamek;
    static std::map<std::pair<int, qreal>, std::unique_ptr<Znacka>> dalsi;
    const std::lock_guard<std::mutex> z(zamek);
    auto& m = dalsi[{sirka, dpr}];
    if (!m)
        m.reset(new Znacka(sirka, dpr));
    return *m;
}

void Znacka::orazitkuj(QImage& o, QPoint stred, QRgb pero, QRgb vypln) const
{
    const int w = o.width(), h = o.height();
    const qsizetype radek = o.bytesPerLine();
    uchar* bity = o.bits();
    for (const Usek& u : m_useky) {
        const int y = stred.y() + u.y;
        if (y < 0 || y >= h)
            continue;
        const int x0 = std::max(stred.x() + u.x, 0), x1 = std::min(stred.x() + u.x + u.delka, w);
        if (x0 >= x1)
            continue;
        auto* p = reinterpret_cast<QRgb*>(bity + y * radek);
        const QRgb c = u.pero ? pero : vypln;
        int x = x0;
        // Two pixels per store through most of a run: the widest markers
        // fill thousands of pixels each.
        if (x < x1 && (reinterpret_cast<std::uintptr_t>(p + x) & 7))
            p[x++] = c;
        const std::uint64_t dva = std::uint64_t(c) << 32 | c;
        for (; x + 2 <= x1; x += 2)
            std::memcpy(p + x, &dva, sizeof dva);
        if (x < x1)
            p[x] = c;
    }
}

} // namespace vorta::graf
