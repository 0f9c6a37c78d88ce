#include "graf/body.h"

#include "graf/Znacka.h"
#include "graf/barvy.h"

#include <QImage>
#include <QLine>
#include <QPainter>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>
#include <cstdlib>

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

// A one-pixel line as the classic canvas draws it: the start pixel in, the
// end pixel out, whatever the direction. Only the part inside the image is
// walked, so a line to a far-away point costs no more than its visible part.
void tenkaCara(QImage& o, QPoint a, QPoint b, QRgb barva)
{
    const std::int64_t dx = b.x() - a.x(), dy = b.y() - a.y();
    const std::int64_t n = std::max(std::llabs(dx), std::llabs(dy));
    if (n == 0)
        return;
    const bool podleX = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t vedlejsi = podleX ? std::llabs(dy) : std::llabs(dx);
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    // Steps k = 0 ... n - 1; keep those that can fall inside (one spare pixel
    // each way; every pixel is checked anyway).
    double k0 = 0, k1 = double(n - 1);
    auto omez = [&](double p0, double d, double lo, double hi) {
        if (d == 0) {
            if (p0 < lo || p0 > hi)
                k1 = -1;
            return;
        }
        double ka = (lo - p0) * double(n) / d, kb = (hi - p0) * double(n) / d;
        if (ka > kb)
            std::swap(ka, kb);
        k0 = std::max(k0, std::floor(ka) - 1);
        k1 = std::min(k1, std::ceil(kb) + 1);
    };
    omez(a.x(), double(dx), 0, o.width() - 1);
    omez(a.y(), double(dy), 0, o.height() - 1);
    if (k1 < k0)
        return;
    const std::int64_t prvni = std::int64_t(k0), posledni = std::int64_t(k1);
    // Minor axis by the midpoint rule: offset = floor((2 k m + n) / 2n).
    std::int64_t citatel = 2 * prvni * vedlejsi + n;
    const std::int64_t posun = citatel / (2 * n);
    std::int64_t zbytek = citatel % (2 * n);
    const int w = o.width(), h = o.height();
    const qsizetype radek = o.bytesPerLine();
    uchar* bity = o.bits();
    // Stepped rather than multiplied out: a crafted file of long zigzags
    // writes millions of these pixels per paint.
    std::int64_t x = a.x() + (podleX ? sx * prvni : sx * posun);
    std::int64_t y = a.y() + (podleX ? sy * posun : sy * prvni);
    const int hx = podleX ? sx : 0, hy = podleX ? 0 : sy; // along the major axis
    const int vx = podleX ? 0 : sx, vy = podleX ? sy : 0; // along the minor one
    const std::int64_t krok = 2 * vedlejsi, cyklus = 2 * n;
    for (std::int64_t k = prvni; k <= posledni; ++k) {
        if (std::uint64_t(x) < std::uint64_t(w) && std::uint64_t(y) < std::uint64_t(h))
            reinterpret_cast<QRgb*>(bity + y * radek)[x] = barva;
        x += hx;
        y += hy;
        zbytek += krok;
        if (zbytek >= cyklus) {
            zbytek -= cyklus;
            x += vx;
            y += vy;
        }
    }
}

class Kreslir {
public:
    Kreslir(QImage& plocha, const PopisGrafu& g, bool razitka)
        : m_o(plocha), m_g(g), m_w(plocha.width()), m_h(plocha.height()), m_razitka(razitka)
    {
        m_o.bits(); // detached before any painter starts, written directly below
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
        // Widths are the control's pixels; the plot area is in device pixels.
        m_pero = sirka * m_g.dpr;
        m_znacka = nullptr;
        m_peroPlatne = false;
    }

    void presun(Bod b) { m_poloha = b; }

    void caraNa(Bod b)
    {
        Bod a = m_poloha;
        m_poloha = b;
        if (!a.platny() || !b.platny())
            return;
        if (!(vPasmu(a) && vPasmu(b)) && !orizni(a, b))
            return;
        const QLine cara(int(a.x), int(a.y), int(b.x), int(b.y));
        if (m_pero == 1) {
            tenkaCara(m_o, cara.p1(), cara.p2(), m_barva);
            return;
        }
        m_cary.append(cara);
        if (m_cary.size() == m_cary.capacity())
            vyprazdni();
    }

    void kolecko(Bod b)
    {
        if (!b.platny())
            return;
        const double okraj = 3 * m_pero;
        if (b.x < -okraj || b.y < -okraj || b.x > m_w + okraj || b.y > m_h + okraj)
            return;
        vyprazdni(); // a later line may cross an earlier marker, and the reverse
        const QPoint stred(int(b.x), int(b.y));
        if (m_razitka) {
            if (!m_znacka)
                m_znacka = &Znacka::pro(m_sirka, m_g.dpr);
            m_znacka->orazitkuj(m_o, stred, m_barva, m_g.barvaPozadi);
            return;
        }
        nakresliZnacku(malir(), stred, m_sirka, m_g.dpr);
    }

private:
    // The painter starts only when something needs it: a graph of thin
    // lines and stamped markers never does.
    QPainter& malir()
    {
        if (!m_p.isActive()) {
            m_p.begin(&m_o);
            m_p.setBrush(QColor(m_g.barvaPozadi));
        }
        if (!m_peroPlatne) {
            // Square caps instead of round ones: at these widths they look
            // the same, and round caps make the stroker build a curve for
            // every segment end, which doubled the cost of a repaint.
            m_p.setPen(QPen(QColor(m_barva), m_pero, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
            m_peroPlatne = true;
        }
        return m_p;
    }

    void vyprazdni()
    {
        if (!m_cary.isEmpty())
            malir().drawLines(m_cary.constData(), int(m_cary.size()));
        m_cary.clear();
    }

    QImage& m_o;
    QPainter m_p;
    const PopisGrafu& m_g;
    int m_w, m_h;
    bool m_razitka;
    QRgb m_barva = 0;
    int m_sirka = 0;
    qreal m_pero = 0; // in device pixels
    const Znacka* m_znacka = nullptr;
    bool m_peroPlatne = false;
    Bod m_poloha{0, 0};
    QVarLengthArray<QLine, 512> m_cary;
};

} // namespace

void vykresliBody(QImage& plocha, const PopisGrafu& g, Rozsah rx, Rozsah ry, bool razitka)
{
    if (!g.sloty || plocha.isNull())
        return;
    const double h = plocha.height();
    const double sx = plocha.width() / (rx.max - rx.min);
    const double sy = plocha.height() / (ry.max - ry.min);
    Kreslir k(plocha, g, razitka);
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
