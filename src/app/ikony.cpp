#include "app/ikony.h"

#include "graf/pomer.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace ikony {

namespace {

// A transparent picture of w × h logical pixels at the screen's resolution;
// a painter on it draws in logical pixels.
QImage platno(int w, int h, qreal pomer)
{
    QImage img = vorta::graf::obrazNaPomer(QSize(w, h), pomer, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void kruh(QPainter& p, const QColor& vypln)
{
    p.setPen(QPen(vypln.darker(160), 1));
    p.setBrush(vypln);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
}

} // namespace

QImage otaznik(qreal pomer)
{
    QImage img = platno(16, 16, pomer);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    kruh(p, QColor(40, 90, 200));
    QPen pero(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pero);
    p.setBrush(Qt::NoBrush);
    QPainterPath hacek;
    hacek.moveTo(5.2, 6.0);
    hacek.arcTo(QRectF(5.2, 3.0, 5.6, 5.2), 180, -250);
    hacek.lineTo(8.0, 10.0);
    p.drawPath(hacek);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8.0, 12.6), 1.2, 1.2);
    return img;
}

QImage info(qreal pomer)
{
    QImage img = platno(16, 16, pomer);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    kruh(p, QColor(20, 140, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8.0, 4.4), 1.4, 1.4);
    p.drawRect(QRectF(6.9, 6.6, 2.2, 6.2));
    p.drawRect(QRectF(5.8, 6.6, 1.4, 1.2));
    p.drawRect(QRectF(5.8, 11.6, 4.4, 1.2));
    return img;
}

QImage logo(qreal pomer)
{
    constexpr int w = 97, h = 98;
    QImage img = platno(w, h, pomer);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    p.setPen(QPen(QColor(0, 0, 128), 3));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QRectF(2.5, 3.0, w - 5, h - 6));

    const double osaY = 42, levy = 12, pravy = w - 12;
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(levy, osaY), QPointF(pravy, osaY));

    // A square wave built from its first three odd harmonics.
    QPainterPath vlna;
    for (int i = 0; i <= 120; ++i) {
        const double t = double(i) / 120;
        double y = 0;
        for (int k = 1; k <= 5; k += 2)
            y += std::sin(2 * std::numbers::pi * 2 * k * t) / k;
        const QPointF bod(levy + t * (pravy - levy), osaY - 18 * y);
        if (i == 0)
            vlna.moveTo(bod);
        else
            vlna.lineTo(bod);
    }
    p.setPen(QPen(QColor(0, 0, 255), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(vlna);

    // Its line spectrum along the bottom.
    p.setPen(QPen(QColor(200, 0, 0), 2));
    p.setBrush(QColor(200, 0, 0));
    for (int k = 1; k <= 5; k += 2) {
        const double x = 30 + (k - 1) * 9.0;
        const double y = 84 - 16.0 / k;
        p.drawLine(QPointF(x, 84), QPointF(x, y));
        p.drawEllipse(QPointF(x, y), 2, 2);
    }
    return img;
}

} // namespace ikony
