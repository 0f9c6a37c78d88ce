#include "sampling/kolo.h"

#include "core/cisla.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace kolo {

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

// Box of the smoothed wheel in the large image: centre (301, 301), radius
// 270, the pixel grid three times finer than the direct box (10, 10)-(190, 190).
constexpr int VelkyOkraj = 31;
constexpr int VelkyKonec = 571;
constexpr int PrimyOkraj = 10;
constexpr int PrimyKonec = 190;
constexpr int PrimaSirka = 3;

QPen pero(QColor barva, int sirka)
{
    // Round ends, as the classic canvas draws wide lines; the spokes meet in
    // a round hub instead of a star of square ends.
    return QPen(barva, sirka, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

int otoc(int theta, int oKolik)
{
    const int t = (theta % 360 + oKolik % 360) % 360;
    return t < 0 ? t + 360 : t;
}

QPoint konecPricky(QPoint stred, int rx, int ry, int i, int n, int theta)
{
    const long double krok = 360.0L / n;
    const long double a = (i * krok + theta) / 180 * Pi;
    return {vorta::zaokrouhliNaInt(stred.x() + std::sin(a) * (rx - 2)),
            vorta::zaokrouhliNaInt(stred.y() - std::cos(a) * (ry - 2))};
}

void kresli(QPainter& p, int x1, int y1, int x2, int y2, int sirka, QColor pozadi, const Nastaveni& n)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    const int rx = vorta::zaokrouhliNaInt((x2 - x1) / 2.0L);
    const int ry = vorta::zaokrouhliNaInt((y2 - y1) / 2.0L);
    const QPoint stred(x1 + rx, y1 + ry);

    // The rim is centred on the spokes' hub, so that all spokes reach it alike.
    p.setPen(pero(Qt::black, 3 * sirka));
    p.setBrush(pozadi);
    p.drawEllipse(stred, rx, ry);
    p.setBrush(Qt::NoBrush);

    const int pricek = std::clamp(n.pricek, 1, MaxPricek);
    for (int i = 0; i < pricek; ++i) {
        p.setPen(pero(i == 0 && n.cervena ? QColor(Qt::red) : QColor(Qt::black), sirka));
        p.drawLine(stred, konecPricky(stred, rx, ry, i, pricek, n.theta));
    }
}

void zmensi(const QImage& velkyVstup, QImage& maly)
{
    const QImage velky = velkyVstup.format() == QImage::Format_RGB32 ? velkyVstup
                                                                       : velkyVstup.convertToFormat(QImage::Format_RGB32);
    if (maly.format() != QImage::Format_RGB32)
        maly = maly.convertToFormat(QImage::Format_RGB32);
    const int w = std::min(maly.width(), velky.width() / Nasobek);
    const int h = std::min(maly.height(), velky.height() / Nasobek);
    // Red and blue are summed side by side in one word (nine bytes of at most
    // 255 never carry out of their 16-bit lane), green in another; the three
    // rows first, column by column, then three columns: a HiDPI surface has
    // four times the pixels to average.
    constexpr std::uint32_t CervenaModra = 0x00FF00FFu, Zelena = 0x0000FF00u;
    std::vector<std::uint32_t> rbSloupce(std::size_t(Nasobek) * std::max(w, 0)), gSloupce(rbSloupce.size());
    for (int y = 0; y < h; ++y) {
        const auto* r0 = reinterpret_cast<const QRgb*>(velky.constScanLine(Nasobek * y));
        const auto* r1 = reinterpret_cast<const QRgb*>(velky.constScanLine(Nasobek * y + 1));
        const auto* r2 = reinterpret_cast<const QRgb*>(velky.constScanLine(Nasobek * y + 2));
        for (std::size_t j = 0; j < rbSloupce.size(); ++j) {
            const std::uint32_t a = r0[j], b = r1[j], c = r2[j];
            rbSloupce[j] = (a & CervenaModra) + (b & CervenaModra) + (c & CervenaModra);
            gSloupce[j] = (a & Zelena) + (b & Zelena) + (c & Zelena);
        }
        auto* cil = reinterpret_cast<QRgb*>(maly.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const std::size_t j = std::size_t(Nasobek) * x;
            const std::uint32_t rb = rbSloupce[j] + rbSloupce[j + 1] + rbSloupce[j + 2];
            const std::uint32_t g = gSloupce[j] + gSloupce[j + 1] + gSloupce[j + 2];
            cil[x] = qRgb(int((rb >> 16) / 9), int((g >> 8) / 9), int((rb & 0xFFFFu) / 9));
        }
    }
}

void snimekPrimo(QImage& plocha, QColor pozadi, const Nastaveni& n)
{
    QPainter p(&plocha);
    // From (1, 1) to the far corner; row and column 0 keep the background the
    // surface was cleared to. Coordinates are the surface's own: at a pixel
    // ratio above 1 the painter draws them onto the finer grid.
    const QSize s = plocha.deviceIndependentSize().toSize();
    p.fillRect(QRect(1, 1, s.width() - 1, s.height() - 1), pozadi);
    kresli(p, PrimyOkraj, PrimyOkraj, PrimyKonec, PrimyKonec, PrimaSirka, pozadi, n);
}

void snimekVyhlazeny(QImage& plocha, QImage& velky, QColor pozadi, const Nastaveni& n)
{
    // Three times the surface's device pixels, so that a HiDPI surface is
    // smoothed at its own resolution.
    const QSize rozmer = Nasobek * plocha.size();
    if (velky.size() != rozmer || velky.format() != QImage::Format_RGB32)
        velky = QImage(rozmer, QImage::Format_RGB32);
    velky.setDevicePixelRatio(plocha.devicePixelRatio());
    velky.fill(pozadi);
    {
        QPainter p(&velky);
        kresli(p, VelkyOkraj, VelkyOkraj, VelkyKonec, VelkyKonec, Nasobek * PrimaSirka, pozadi, n);
    }
    zmensi(velky, plocha);
}

} // namespace kolo
