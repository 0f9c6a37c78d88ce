#include "continuous/obrazky.h"

#include "continuous/harmonicke.h"
#include "continuous/sazba.h"
#include "core/cisla.h"
#include "graf/pisma.h"
#include "graf/pomer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <map>
#include <tuple>
#include <cmath>
#include <utility>
#include <vector>

namespace obrazky {

namespace {

using namespace sazba;

QImage plocha(QSize s, qreal pomer)
{
    QImage img = vorta::graf::obrazNaPomer(s, pomer, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

QFont patkove(int pixelu) { return vorta::pismo(QStringLiteral("Times New Roman"), pixelu); }

// ---- waveform sketches -----------------------------------------------

void sipka(QPainter& p, QPointF od, QPointF k)
{
    p.drawLine(od, k);
    const QPointF smer = (k - od) / std::hypot(k.x() - od.x(), k.y() - od.y());
    const QPointF kolmo(-smer.y(), smer.x());
    QPolygonF hrot;
    hrot << k << k - smer * 7 + kolmo * 3 << k - smer * 7 - kolmo * 3;
    p.setBrush(p.pen().color());
    p.drawPolygon(hrot);
    p.setBrush(Qt::NoBrush);
}

// The period that is drawn in full, and the times worth a label on the t axis.
struct Nakres {
    double od;
    std::vector<double> znacky;
};

Nakres nakres(int signal)
{
    switch (signal) {
    case 0: return {0, {0.5, 1}};
    case 1: return {-0.5, {-0.5, -0.25, 0.25, 0.5}};
    case 2: return {0, {0.125, 0.625, 1}};
    case 3: return {0, {0.25, 0.5, 1}};
    case 4: return {0, {1}};
    default: return {-0.5, {-0.5, 0.5}};
    }
}

QImage kresliPrubeh(int signal, qreal pomer)
{
    QImage img = plocha(VelikostPrubehu, pomer);
    if (signal < 0 || signal >= harmonicke::PocetSignalu)
        return img;
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const Nakres n = nakres(signal);
    const double t0 = n.od - 0.3, t1 = n.od + 1.3;
    const double L = 26, R = VelikostPrubehu.width() - 22.0, T = 16, B = VelikostPrubehu.height() - 22.0;
    const double y0 = B - (B - T) * 0.1 / 1.15; // x = 0 level
    auto X = [&](double t) { return L + (t - t0) / (t1 - t0) * (R - L); };
    auto Y = [&](double v) { return y0 - v * (y0 - T) / 1.05; };

    const QFont maly = vorta::pismo(QStringLiteral("Arial"), 11);
    p.setFont(maly);
    const QFontMetricsF fm(maly);
    const QChar sep = vorta::desetinnyOddelovac();

    // level 1, dotted across the picture
    p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DotLine));
    p.drawLine(QPointF(L, Y(1)), QPointF(R, Y(1)));
    // axes
    p.setPen(QPen(Qt::black, 1));
    sipka(p, QPointF(L - 8, y0), QPointF(R + 14, y0));
    sipka(p, QPointF(X(0), B + 6), QPointF(X(0), 3));
    p.drawText(QPointF(R + 8, y0 - 5), QStringLiteral("t"));
    p.drawText(QPointF(X(0) + 6, 12), QStringLiteral("x(t)"));
    p.drawLine(QPointF(X(0) - 3, Y(1)), QPointF(X(0) + 3, Y(1)));
    p.drawText(QPointF(X(0) - 6 - fm.horizontalAdvance(QStringLiteral("1")), Y(1) + fm.ascent() / 2 - 1),
               QStringLiteral("1"));
    p.drawText(QPointF(X(0) - 9, y0 + fm.ascent() + 2), QStringLiteral("0"));
    for (double t : n.znacky) {
        const QString s = vorta::grafovyFormat(t, sep);
        p.drawLine(QPointF(X(t), y0 - 3), QPointF(X(t), y0 + 3));
        p.drawText(QPointF(X(t) - fm.horizontalAdvance(s) / 2, y0 + fm.ascent() + 3), s);
    }
    const QString perioda = QStringLiteral("T = 1 s");
    p.drawText(QPointF(R - fm.horizontalAdvance(perioda), 12), perioda);

    // The neighbouring periods in grey, the drawn period in bold blue; the
    // curve follows the device's pixel columns, so the jumps come out
    // vertical.
    auto krivka = [&](double od, double po) {
        QPainterPath c;
        const int k0 = int(std::ceil(X(od) * pomer)), k1 = int(std::floor(X(po) * pomer));
        for (int k = k0; k <= k1; ++k) {
            const double x = k / pomer;
            const double t = t0 + (x - L) / (R - L) * (t1 - t0);
            const double v = harmonicke::hodnota(signal, t);
            if (k == k0)
                c.moveTo(x, Y(v));
            else
                c.lineTo(x, Y(v));
        }
        p.drawPath(c);
    };
    p.setPen(QPen(QColor(160, 160, 160), 1.5, Qt::DashLine));
    krivka(t0, n.od);
    krivka(n.od + 1, t1);
    p.setPen(QPen(QColor(0, 0, 200), 2.5));
    krivka(n.od, n.od + 1);
    return img;
}

// ---- coefficient formulas --------------------------------------------

struct Vzorce {
    Radek a0, a, b;
};

Vzorce vzorceSignalu(int signal, const QString& k)
{
    const QString kp = k + QStringLiteral("π");
    const Radek pul{Z({T("1")}, {T("2")})};
    const Radek nula{T("0")};
    switch (signal) {
    case 0: return {pul, nula, {Z({T("1 − cos " + kp)}, {T(kp)})}};
    case 1: return {pul, {Z({T("2")}, {T(kp)}), T("·sin(" + kp + "/2)")}, nula};
    case 2:
        return {pul,
                {Z({T("sin(5" + kp + "/4) − sin(" + kp + "/4)")}, {T(kp)})},
                {Z({T("cos(" + kp + "/4) − cos(5" + kp + "/4)")}, {T(kp)})}};
    case 3:
        return {{Z({T("1")}, {T("4")})},
                {T("−"), Z({T("sin(" + kp + "/2)")}, {T(kp)})},
                {Z({T("cos(" + kp + "/2) − cos " + kp)}, {T(kp)})}};
    case 4: return {pul, nula, {T("−"), Z({T("1")}, {T(kp)})}};
    default: return {pul, {Z({T("2(cos " + kp + " − 1)")}, {T("(" + kp + ")²")})}, nula};
    }
}

using Radky = std::vector<std::pair<Radek, Radek>>;

Radky radkyVzorce(int signal, bool komplexne)
{
    const QString k = komplexne ? QStringLiteral("m") : QStringLiteral("n");
    const Vzorce v = vzorceSignalu(signal, k);
    Radky radky{{{T("a"), I("0")}, v.a0}, {{T("a"), I(k)}, v.a}, {{T("b"), I(k)}, v.b}};
    if (komplexne) {
        // The short mean leaves room in its line for the complex coefficients.
        Radek& r = radky[0].second;
        for (Prvek e : {T(QStringLiteral(",    c")), I(QStringLiteral("0")), T(QStringLiteral(" = a")),
                        I(QStringLiteral("0")), T(QStringLiteral(",    c")), I(QStringLiteral("m")),
                        T(QStringLiteral(" = "))})
            r.push_back(e);
        r.push_back(Z({T("a"), I("m"), T(" − j·b"), I("m")}, {T("2")}));
    }
    for (auto& r : radky)
        r.first.push_back(T(QStringLiteral(" = ")));
    return radky;
}

constexpr qreal okrajVzorce = 6;

// Width of the left column (up to the equals signs), and the height of all
// lines together.
struct Sazba {
    qreal levy = 0, pravy = 0, vyska = 0;
};

Sazba zmerRadky(const Radky& radky, const QFont& f)
{
    Sazba s;
    for (const auto& [l, r] : radky) {
        const Rozmer rl = zmer(l, f), rr = zmer(r, f);
        s.levy = std::max(s.levy, rl.sirka);
        s.pravy = std::max(s.pravy, rr.sirka);
        s.vyska += std::max(rl.vyska(), rr.vyska());
    }
    return s;
}

// One face for the six formulas of a form: the largest at which every line
// of every signal fits, so that switching signals never changes the size.
int velikostVzorcu(bool komplexne)
{
    int px = 20;
    for (; px > 9; --px) {
        bool vejdeSe = true;
        for (int s = 0; s < harmonicke::PocetSignalu && vejdeSe; ++s) {
            const Sazba z = zmerRadky(radkyVzorce(s, komplexne), patkove(px));
            vejdeSe = z.levy + z.pravy <= VelikostVzorce.width() - 2 * okrajVzorce &&
                      z.vyska <= VelikostVzorce.height() - 2 * okrajVzorce;
        }
        if (vejdeSe)
            break;
    }
    return px;
}

QImage kresliVzorec(int signal, bool komplexne, qreal pomer)
{
    QImage img = plocha(VelikostVzorce, pomer);
    if (signal < 0 || signal >= harmonicke::PocetSignalu)
        return img;
    // Measured once per form: every formula of the form is set in it.
    static const int px[2] = {velikostVzorcu(false), velikostVzorcu(true)};
    const Radky radky = radkyVzorce(signal, komplexne);
    const QFont f = patkove(px[komplexne]);
    const Sazba z = zmerRadky(radky, f);
    // The lines share the height evenly, their equals signs in one column.
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::black);
    const qreal mezera = (VelikostVzorce.height() - 2 * okrajVzorce - z.vyska) / radky.size();
    qreal y = okrajVzorce + mezera / 2;
    for (const auto& [l, r] : radky) {
        const Rozmer rl = zmer(l, f), rr = zmer(r, f);
        const qreal nad = std::max(rl.nad, rr.nad);
        kresli(p, l, f, okrajVzorce + z.levy - rl.sirka, y + nad);
        kresli(p, r, f, okrajVzorce + z.levy, y + nad);
        y += std::max(rl.vyska(), rr.vyska()) + mezera;
    }
    return img;
}

// ---- the convolution integral ----------------------------------------

QImage kresliKonvoluci(qreal pomer)
{
    QImage img = plocha(VelikostKonvoluce, pomer);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::black);
    const QFont f = patkove(19);
    const Radek vlevo{T("y(t) = ")};
    const Radek vpravo{T("u(τ)·g(t − τ) dτ")};
    const Rozmer rl = zmer(vlevo, f), rp = zmer(vpravo, f);

    // The integral sign is drawn as a path, so it never depends on the font.
    const qreal vyskaZnaku = 40, sirkaZnaku = 16;
    const QFont meze = patkove(12);
    const QFontMetricsF fm(meze);
    const qreal sirka = rl.sirka + sirkaZnaku + fm.horizontalAdvance(QStringLiteral("−∞")) + rp.sirka;
    qreal x = (VelikostKonvoluce.width() - sirka) / 2;
    const qreal y = VelikostKonvoluce.height() / 2.0 + QFontMetricsF(f).strikeOutPos();
    kresli(p, vlevo, f, x, y);
    x += rl.sirka;

    const qreal stred = VelikostKonvoluce.height() / 2.0, horni = stred - vyskaZnaku / 2, dolni = stred + vyskaZnaku / 2;
    QPainterPath s;
    s.moveTo(x + sirkaZnaku - 1, horni + 3);
    s.cubicTo(x + sirkaZnaku - 3, horni - 1, x + sirkaZnaku * 0.55, horni, x + sirkaZnaku * 0.55, horni + 8);
    s.lineTo(x + sirkaZnaku * 0.45, dolni - 8);
    s.cubicTo(x + sirkaZnaku * 0.45, dolni, x + 3, dolni + 1, x + 1, dolni - 3);
    p.setPen(QPen(Qt::black, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(s);
    p.setPen(Qt::black);
    p.setFont(meze);
    p.drawText(QPointF(x + sirkaZnaku, horni + fm.ascent() * 0.6), QStringLiteral("∞"));
    p.drawText(QPointF(x + sirkaZnaku * 0.3, dolni + fm.ascent() * 0.55), QStringLiteral("−∞"));
    x += sirkaZnaku + fm.horizontalAdvance(QStringLiteral("−∞"));
    kresli(p, vpravo, f, x, y);
    return img;
}

// Drawn pictures by kind, signal, form and ratio.
using Klic = std::tuple<int, int, bool, qreal>;

template <class F> QImage zPameti(const Klic& k, F kresli)
{
    static std::map<Klic, QImage> pamet;
    auto it = pamet.find(k);
    if (it == pamet.end())
        it = pamet.emplace(k, kresli()).first;
    return it->second;
}

qreal platnyPomer(qreal pomer) { return pomer > 0 ? pomer : 1; }

} // namespace

QImage prubeh(int signal, qreal pomer)
{
    pomer = platnyPomer(pomer);
    if (signal < 0 || signal >= harmonicke::PocetSignalu)
        return plocha(VelikostPrubehu, pomer);
    return zPameti({0, signal, false, pomer}, [&] { return kresliPrubeh(signal, pomer); });
}

QImage vzorec(int signal, bool komplexne, qreal pomer)
{
    pomer = platnyPomer(pomer);
    if (signal < 0 || signal >= harmonicke::PocetSignalu)
        return plocha(VelikostVzorce, pomer);
    return zPameti({1, signal, komplexne, pomer}, [&] { return kresliVzorec(signal, komplexne, pomer); });
}

QImage vzorecKonvoluce(qreal pomer)
{
    pomer = platnyPomer(pomer);
    return zPameti({2, 0, false, pomer}, [&] { return kresliKonvoluci(pomer); });
}

} // namespace obrazky
