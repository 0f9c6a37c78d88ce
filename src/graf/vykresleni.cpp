#include "graf/vykresleni.h"

#include "core/cisla.h"
#include "graf/body.h"
#include "graf/pisma.h"
#include "graf/ramecek.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace vorta::graf {

Rozsah opravRozsah(double min, double max)
{
    if (!std::isfinite(min))
        min = 0;
    if (!(max > min) || !std::isfinite(max)) {
        max = min + 1e-10;
        // Near the top of the doubles 1e-10 is lost in rounding.
        if (!(max > min))
            max = std::nextafter(min, std::numeric_limits<double>::infinity());
        if (!std::isfinite(max)) {
            max = min;
            min = std::nextafter(max, -std::numeric_limits<double>::infinity());
        }
    }
    return {min, max};
}

int pocetDilku(double cislic)
{
    if (!(cislic >= 1))
        return 0;
    return std::min(zaokrouhliNaInt(cislic), maxDilku);
}

namespace {

constexpr QRgb seda = 0xFF808080;
constexpr int mezera = 3; // g: the gap between bands

// Lines as the classic canvas draws them: the start pixel included, the end
// pixel left out. Only horizontal and vertical ones are needed here.
void vodorovna(QPainter& p, int x1, int x2, int y, QRgb c)
{
    if (x1 <= x2)
        p.fillRect(x1, y, x2 - x1, 1, QColor(c));
    else
        p.fillRect(x2 + 1, y, x1 - x2, 1, QColor(c));
}

void svisla(QPainter& p, int x, int y1, int y2, QRgb c)
{
    if (y1 <= y2)
        p.fillRect(x, y1, 1, y2 - y1, QColor(c));
    else
        p.fillRect(x, y2 + 1, 1, y1 - y2, QColor(c));
}

// The dotted pen of the classic canvas: three pixels on, three off, counted
// from the start of each line.
void teckovana(QPainter& p, int x1, int y1, int x2, int y2, QRgb c)
{
    const bool vodorovne = y1 == y2;
    const int delka = vodorovne ? std::abs(x2 - x1) : std::abs(y2 - y1);
    const int krok = vodorovne ? (x2 >= x1 ? 1 : -1) : (y2 >= y1 ? 1 : -1);
    for (int k = 0; k < delka; k += 6) {
        const int n = std::min(3, delka - k);
        const int a = (vodorovne ? x1 : y1) + krok * k;
        const int b = a + krok * n; // one past the run
        if (vodorovne)
            vodorovna(p, a, b, y1, c);
        else
            svisla(p, x1, a, b, c);
    }
}

void cara(QPainter& p, int x1, int y1, int x2, int y2, QRgb c, bool tecky)
{
    if (tecky)
        teckovana(p, x1, y1, x2, y2, c);
    else if (y1 == y2)
        vodorovna(p, x1, x2, y1, c);
    else
        svisla(p, x1, y1, y2, c);
}

// Text with an opaque background in the brush colour, (x, y) its top left.
void pis(QPainter& p, const QFontMetrics& fm, int x, int y, const QString& s, QRgb pozadi)
{
    if (s.isEmpty())
        return;
    p.fillRect(x, y, fm.horizontalAdvance(s), fm.height(), QColor(pozadi));
    p.drawText(x, y + fm.ascent(), s);
}

// The y title, drawn black on white and copied turned a quarter to the
// left, pixel by pixel, only where it is not white.
void pisOtocene(QPainter& p, const QFont& pismo, int L, int horni, const QString& s, qreal dpr)
{
    const QFontMetrics fm(pismo);
    const QSize logicka(fm.horizontalAdvance(s), fm.height());
    if (logicka.isEmpty())
        return;
    // Drawn and turned in device pixels, so that the title is as sharp as
    // the horizontal ones.
    const QSize fyz = fyzickaVelikost(logicka, dpr);
    const int w = fyz.width(), h = fyz.height();
    QImage zdroj(w, h, QImage::Format_RGB32);
    zdroj.setDevicePixelRatio(dpr);
    zdroj.fill(Qt::white);
    {
        QPainter q(&zdroj);
        q.setFont(pismo);
        q.setPen(Qt::black);
        q.drawText(0, fm.ascent(), s);
    }
    QImage otocene(h, w, QImage::Format_ARGB32_Premultiplied);
    otocene.setDevicePixelRatio(dpr);
    otocene.fill(Qt::transparent);
    const QRgb bila = qRgb(255, 255, 255);
    for (int i = 0; i < w; ++i)
        for (int j = 0; j < h; ++j) {
            const QRgb c = zdroj.pixel(w - 1 - i, j);
            if (c != bila)
                otocene.setPixel(j, i, c);
        }
    p.drawImage(L, horni, otocene);
}

int zaokrouhliPulku(int v) { return zaokrouhliNaInt(v / 2.0L); }

} // namespace

QRect vykresliPozadi(QImage& platno, const PopisGrafu& g)
{
    const int W = g.velikost.width(), H = g.velikost.height();
    const QSize fyz = fyzickaVelikost(g.velikost, g.dpr);
    if (platno.size() != fyz || platno.format() != QImage::Format_RGB32)
        platno = QImage(fyz, QImage::Format_RGB32);
    // The layout below is in the control's pixels; the painter puts each of
    // them onto dpr x dpr device pixels and draws the texts at that finer grid.
    platno.setDevicePixelRatio(g.dpr);
    if (W <= 0 || H <= 0)
        return {};
    const Rozsah rx = opravRozsah(g.xMin, g.xMax);
    const Rozsah ry = opravRozsah(g.yMin, g.yMax);

    QPainter p(&platno);
    vykresliRamecek(p, g.velikost, g.ramecek, g.barvaPozadi);
    p.setPen(Qt::black);

    const QFont obycejne = vorta::pismoGrafu(false), tucne = vorta::pismoGrafu(true);
    const QFontMetrics fmObycejne(obycejne), fmTucne(tucne);
    int L = 4, R = W - 5, T = 4, B = H - 5;
    const int g3 = mezera;
    const int a = fmObycejne.height();

    p.setFont(tucne);
    if (!g.nadpis.isEmpty()) {
        pis(p, fmTucne, zaokrouhliPulku(W - fmTucne.horizontalAdvance(g.nadpis)), T, g.nadpis, g.barvaPozadi);
        T += g3 + a;
    }
    if (!g.xNadpis.isEmpty()) {
        pis(p, fmTucne, L + zaokrouhliPulku(R - L - fmTucne.horizontalAdvance(g.xNadpis)), B - a, g.xNadpis,
            g.barvaPozadi);
        B -= g3 + a;
    }
    if (!g.yNadpis.isEmpty()) {
        pisOtocene(p, tucne, L, T + zaokrouhliPulku(B - T - fmTucne.horizontalAdvance(g.yNadpis)), g.yNadpis, g.dpr);
        L += g3 + a;
    }

    p.setFont(obycejne);
    B -= g3 + a;

    // y numbers, right-aligned in a column as wide as the widest of them
    const int ny = pocetDilku(g.yCislic);
    const double dy = ny ? (B - T) / g.yCislic : 0;
    const double dvy = ny ? (ry.max - ry.min) / g.yCislic : 0;
    std::vector<QString> popisky(ny);
    std::vector<int> sirky(ny);
    int m = 0;
    for (int i = 0; i < ny; ++i) {
        popisky[i] = grafovyFormat(i * dvy + ry.min, g.oddelovac);
        sirky[i] = fmObycejne.horizontalAdvance(popisky[i]);
        m = std::max(m, sirky[i]);
    }
    for (int i = 0; i < ny; ++i)
        pis(p, fmObycejne, L + m - sirky[i], B - orizniNaInt(a / 2.0 + i * dy), popisky[i], g.barvaPozadi);
    L += g3 + m + g3;

    const bool nulyTeckovane = !g.cary;
    for (int i = 0; i < ny; ++i) {
        const int yi = B - orizniNaInt(i * dy);
        vodorovna(p, L - 2, L + 3, yi, 0xFF000000);
        if (g.cary)
            teckovana(p, L, yi, R, yi, seda);
    }
    if (g.nuly && ry.min < 0 && ry.max > 0) {
        const int y0 = B - orizniNaInt(std::fabs(ry.min) * (B - T) / (ry.max - ry.min));
        cara(p, L, y0, R, y0, seda, nulyTeckovane);
    }

    // x numbers, centred on their divisions; the band's bottom offset is the
    // width of "A", as the original lays it out
    B += g3 + a;
    const int nx = pocetDilku(g.xCislic);
    const double dx = nx ? (R - L) / g.xCislic : 0;
    const double dvx = nx ? (rx.max - rx.min) / g.xCislic : 0;
    const int sirkaA = fmObycejne.horizontalAdvance(QStringLiteral("A"));
    for (int i = 0; i < nx; ++i) {
        const QString s = grafovyFormat(i * dvx + rx.min, g.oddelovac);
        pis(p, fmObycejne, L + orizniNaInt(i * dx - fmObycejne.horizontalAdvance(s) / 2.0), B - sirkaA - g3, s,
            g.barvaPozadi);
    }
    B -= g3 + a;
    for (int i = 0; i < nx; ++i) {
        const int xi = L + orizniNaInt(i * dx);
        svisla(p, xi, B - 2, B + 3, 0xFF000000);
        if (g.cary)
            teckovana(p, xi, B, xi, T, seda);
    }
    if (g.nuly && rx.min < 0 && rx.max > 0) {
        const int x0 = L + orizniNaInt(std::fabs(rx.min) * (R - L) / (rx.max - rx.min));
        cara(p, x0, B, x0, T, seda, nulyTeckovane);
    }

    vodorovna(p, L, R, T, 0xFF000000);
    svisla(p, R, T, B, 0xFF000000);
    vodorovna(p, R, L, B, 0xFF000000);
    svisla(p, L, B, T, 0xFF000000);
    return QRect(QPoint(L, T), QPoint(R, B));
}

void vykresliBodyDo(QImage& platno, QRect plocha, const PopisGrafu& g, bool razitka)
{
    if (plocha.isNull() || plocha.right() <= plocha.left() || plocha.bottom() <= plocha.top())
        return;
    // The points are placed on device pixels: at a ratio above 1 a sloped
    // line steps at the screen's own resolution.
    const auto fyz = [&](int v) { return g.dpr == 1 ? v : int(std::lround(v * g.dpr)); };
    const int L = fyz(plocha.left()), T = fyz(plocha.top()), R = fyz(plocha.right()), B = fyz(plocha.bottom());
    if (R <= L || B <= T || R > platno.width() || B > platno.height())
        return;
    // The plot area is a window onto the canvas rather than a copy of it:
    // the same pixels, without copying them out and back.
    const qsizetype radek = platno.bytesPerLine();
    QImage okno(platno.bits() + T * radek + L * qsizetype(sizeof(QRgb)), R - L, B - T, radek,
                QImage::Format_RGB32);
    vykresliBody(okno, g, opravRozsah(g.xMin, g.xMax), opravRozsah(g.yMin, g.yMax), razitka);
}

QRect vykresliGraf(QImage& platno, const PopisGrafu& g, bool razitka)
{
    const QRect plocha = vykresliPozadi(platno, g);
    vykresliBodyDo(platno, plocha, g, razitka);
    return plocha;
}

} // namespace vorta::graf
