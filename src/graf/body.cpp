#include "graf/body.h"

#include "graf/barvy.h"

#include <QImage>
#include <QLine>
#include <QPainter>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>

namespace vorta::graf {

namespace {

// Pixel coordinates stay doubles until they are known to be near the image:
// a value far out of range (1e30 on a 0 ... 100 axis) must never be converted
// to int directly. The band is far beyond any picture, yet small enough that
// the rasteriser's fixed-point arithmetic never overflows.
constexpr double pasmo = 1 << 15;
constexpr double strop = 1e9;

double pixel(double v) { return std::trunc(std::clamp(v, -strop, strop)); } // NaN stays NaN

struct Bod {
    double x, y;
    bool platny() const { return !std::isnan(x) && !std::isnan(y); }
};

bool vPasmu(const Bod& b) { return std::fabs(b.x) <= pasmo && std::fabs(b.y) <= pasmo; }

// Liang-Barsky against the band; false when the segment misses it.
bool orizni(Bod& a, Bod& b)
{
    double t0 = 0, t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x + pasmo, pasmo - a.x, a.y + pasmo, pasmo - a.y};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0)
                return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const Bod a0 = a;
    a = {std::round(a0.x + t0 * dx), std::round(a0.y + t0 * dy)};
    b = {std::round(a0.x + t1 * dx), std::round(a0.y + t1 * dy)};
    return true;
}

class Kreslir {
public:
    Kreslir(QImage& plocha, const PopisGrafu& g) : m_p(&plocha), m_g(g), m_w(plocha.width()), m_h(plocha.height())
    {
        m_p.setBrush(QColor(g.barvaPozadi));
    }
    ~Kreslir() { vyprazdni(); }

    void nastavStyl(std::int32_t styl)
    {
        const QRgb barva = barvaStylu(styl);
        const int sirka = sirkaStylu(styl, m_g.sirkaCary);
        if (barva == m_barva && sirka == m_sirka)
            return;
        vyprazdni();
        m_barva = barva;
        m_sirka = sirka;
        // One-pixel lines leave out their end pixel like the classic canvas;
        // wider ones are round at the ends as its geometric pens were.
        QPen pero(QColor(barva), sirka, Qt::SolidLine, sirka == 1 ? Qt::FlatCap : Qt::RoundCap, Qt::RoundJoin);
        m_p.setPen(pero);
    }

    void presun(Bod b) { m_pero = b; }

    void caraNa(Bod b)
    {
        Bod a = m_pero;
        m_pero = b;
        if (!a.platny() || !b.platny())
            return;
        if (!(vPasmu(a) && vPasmu(b)) && !orizni(a, b))
            return;
        m_cary.append(QLine(int(a.x), int(a.y), int(b.x), int(b.y)));
        if (m_cary.size() == m_cary.capacity())
            vyprazdni();
    }

    void kolecko(Bod b)
    {
        if (!b.platny())
            return;
        const int r = 2 * m_sirka;
        const double okraj = r + m_sirka;
        if (b.x < -okraj || b.y < -okraj || b.x > m_w + okraj || b.y > m_h + okraj)
            return;
        vyprazdni(); // a later line may cross an earlier marker, and the reverse
        m_p.drawEllipse(QPoint(int(b.x), int(b.y)), r, r);
    }

private:
    void vyprazdni()
    {
        if (!m_cary.isEmpty())
            m_p.drawLines(m_cary.constData(), int(m_cary.size()));
        m_cary.clear();
    }

    QPainter m_p;
    const PopisGrafu& m_g;
    int m_w, m_h;
    QRgb m_barva = 0;
    int m_sirka = 0;
    Bod m_pero{0, 0};
    QVarLengthArray<QLine, 512> m_cary;
};

} // namespace

void vykresliBody(QImage& plocha, const PopisGrafu& g, Rozsah rx, Rozsah ry)
{
    if (!g.sloty || plocha.isNull())
        return;
    const double h = plocha.height();
    const double sx = plocha.width() / (rx.max - rx.min);
    const double sy = plocha.height() / (ry.max - ry.min);
    Kreslir k(plocha, g);
    double pyPredchozi = 0;
    for (int i = 0; i < PocetSlotu; ++i) {
        const TBod& b = g.sloty[i];
        const double px = pixel(sx * (double(b.x) - rx.min));
        const double py = pixel(sy * (double(b.y) - ry.min));
        const double pyPred = pyPredchozi;
        pyPredchozi = py;
        const Bod cil{px, h - py};
        if (b.Styl != 0)
            k.nastavStyl(b.Styl);
        if (b.Styl < 0) {
            k.kolecko(cil);
        } else if (b.Styl == 0) {
            k.presun(cil);
        } else {
            if (g.tvarovac == tPridrzeni)
                k.caraNa({px, h - pyPred});
            k.caraNa(cil);
        }
    }
}

} // namespace vorta::graf
