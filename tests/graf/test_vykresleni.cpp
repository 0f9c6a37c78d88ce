// Facts of a painted graph read back from its pixels: where the plot frame,
// the number labels, the zero lines and the points fall, computed from the
// font metrics and the layout rules.
#include "VortaTest.h"

#include "graf/TGraf.h"
#include "graf/pisma.h"
#include "graf/vykresleni.h"
#include "pomocne.h"

#include <cmath>
#include <functional>
#include <limits>

namespace {

const QRgb aqua = qRgb(0, 255, 255), cerna = qRgb(0, 0, 0), seda = qRgb(128, 128, 128);
const QRgb cervena = qRgb(255, 0, 0), modra = qRgb(0, 0, 255);

struct Rozvrh {
    int L, T, R, B, a;
};

// The plot frame of a W x H graph laid out band by band; `m` is the width of
// the widest y label.
Rozvrh rozvrh(const TGraf& g, int m)
{
    const QFontMetrics fm(vorta::pismoGrafu());
    const int a = fm.height();
    Rozvrh r{4, 4, g.width() - 5, g.height() - 5, a};
    if (!g.Nadpis().isEmpty())
        r.T += 3 + a;
    if (!g.xNadpis().isEmpty())
        r.B -= 3 + a;
    if (!g.yNadpis().isEmpty())
        r.L += 3 + a;
    r.B -= 3 + a;
    r.L += 3 + m + 3;
    return r;
}

int sirka(const QString& s) { return QFontMetrics(vorta::pismoGrafu()).horizontalAdvance(s); }

// A label as it must appear: the text on an opaque box of its own size.
QImage popisek(const QString& s)
{
    const QFontMetrics fm(vorta::pismoGrafu());
    QImage o(fm.horizontalAdvance(s), fm.height(), QImage::Format_RGB32);
    o.fill(aqua);
    QPainter p(&o);
    p.setFont(vorta::pismoGrafu());
    p.drawText(0, fm.ascent(), s);
    return o;
}

// Pixel of a point (x, y) of a graph with the given frame and ranges 0 ... 100.
QPoint bod(const Rozvrh& r, double x, double y)
{
    const int h = r.B - r.T;
    return {r.L + int(std::trunc((r.R - r.L) / 100.0 * x)), r.T + h - int(std::trunc(h / 100.0 * y))};
}

// A 300 x 200 graph without labels or grid, so that only points and zero
// lines mark the plot area.
void holyGraf(TGraf& g)
{
    g.resize(300, 200);
    g.nastavOsy(0, 100, 0, 100, 0, 0);
    g.setCary(false);
}

} // namespace

class TestVykresleni : public QObject {
    Q_OBJECT
private slots:
    void ramecekPlochy_data()
    {
        QTest::addColumn<QString>("nadpis");
        QTest::addColumn<QString>("xNadpis");
        QTest::addColumn<QString>("yNadpis");
        QTest::newRow("no titles") << "" << "" << "";
        QTest::newRow("y title") << "" << "" << "s(t)";
        QTest::newRow("all") << "Spektrum" << "t [s]" << "s(t)";
    }
    void ramecekPlochy()
    {
        QFETCH(QString, nadpis);
        QFETCH(QString, xNadpis);
        QFETCH(QString, yNadpis);
        TGraf g;
        g.resize(300, 200);
        g.setNadpis(nadpis);
        g.setXNadpis(xNadpis);
        g.setYNadpis(yNadpis);
        const QImage o = vykreslene(g);
        const Rozvrh r = rozvrh(g, sirka(QStringLiteral("90")));
        for (int x = r.L; x <= r.R; ++x)
            QVERIFY(o.pixel(x, r.T) == cerna && o.pixel(x, r.B) == cerna);
        for (int y = r.T; y <= r.B; ++y)
            QVERIFY(o.pixel(r.L, y) == cerna && o.pixel(r.R, y) == cerna);
        QCOMPARE(o.pixel(r.R + 1, (r.T + r.B) / 2), aqua);
        QCOMPARE(o.pixel((r.L + r.R) / 2, r.T - 1), aqua);
        // the sunken edge: shadow at the top left, highlight at the bottom right
        QCOMPARE(o.pixel(5, 0), seda);
        QCOMPARE(o.pixel(5, 199), qRgb(255, 255, 255));
    }

    void popisky_data()
    {
        QTest::addColumn<double>("xMin");
        QTest::addColumn<double>("xMax");
        QTest::addColumn<double>("xCislic");
        QTest::addColumn<QStringList>("xPopisky");
        QTest::newRow("defaults") << 0.0 << 100.0 << 10.0
                                  << QStringList{"0", "10", "20", "30", "40", "50", "60", "70", "80", "90"};
        QTest::newRow("-2 ... 2 in 8") << -2.0 << 2.0 << 8.0
                                       << QStringList{"-2", "-1.5", "-1", "-0.5", "0", "0.5", "1", "1.5"};
        QTest::newRow("4.4 divisions round to 4") << 0.0 << 4.4 << 4.4 << QStringList{"0", "1", "2", "3"};
    }
    void popisky()
    {
        QFETCH(double, xMin);
        QFETCH(double, xMax);
        QFETCH(double, xCislic);
        QFETCH(QStringList, xPopisky);
        TGraf g;
        g.resize(400, 220);
        g.setXMin(xMin);
        g.setXMax(xMax);
        g.setXCislic(xCislic);
        const QImage o = vykreslene(g);
        const QStringList yPopisky{"0", "10", "20", "30", "40", "50", "60", "70", "80", "90"};
        const Rozvrh r = rozvrh(g, sirka(QStringLiteral("90")));
        const double dy = (r.B - r.T) / 10.0, dx = (r.R - r.L) / xCislic;
        for (int i = 0; i < yPopisky.size(); ++i) {
            const QImage p = popisek(yPopisky[i]);
            const int x = 4 + sirka("90") - p.width(), y = r.B - int(std::trunc(r.a / 2.0 + i * dy));
            QCOMPARE(o.copy(x, y, p.width(), p.height()), p);
        }
        const int yx = r.B + 3 + r.a - sirka("A") - 3;
        for (int i = 0; i < xPopisky.size(); ++i) {
            const QImage p = popisek(xPopisky[i]);
            const int x = r.L + int(std::trunc(i * dx - p.width() / 2.0));
            QCOMPARE(o.copy(x, yx, p.width(), p.height()), p);
        }
        // nothing at the maximum
        const QImage prazdne = o.copy(r.R - 3, yx, 6, r.a);
        QVERIFY(prazdne.pixelColor(1, r.a / 2) == QColor(aqua) && prazdne.pixelColor(4, r.a / 2) == QColor(aqua));
    }

    // A solid grey zero line over a dotted grid; dotted without the grid.
    void nulovaCara_data()
    {
        QTest::addColumn<bool>("cary");
        QTest::addColumn<bool>("nuly");
        QTest::newRow("grid and zero lines") << true << true;
        QTest::newRow("zero lines only") << false << true;
        QTest::newRow("neither") << false << false;
    }
    void nulovaCara()
    {
        QFETCH(bool, cary);
        QFETCH(bool, nuly);
        TGraf g;
        holyGraf(g);
        g.nastavOsy(-2, 2, 0, 100, 8, 0);
        g.setCary(cary);
        g.setNuly(nuly);
        const QImage o = vykreslene(g);
        const Rozvrh r = rozvrh(g, 0);
        const int x0 = r.L + int(std::trunc(2 * (r.R - r.L) / 4.0));
        QCOMPARE(x0, r.L + int(std::trunc(4 * (r.R - r.L) / 8.0))); // the fifth division
        for (int y = r.B - 3; y > r.T; --y) { // rows B-1, B-2 hold the tick
            const bool zapnuty = nuly && (cary || (r.B - y) % 6 < 3);
            QCOMPARE(o.pixel(x0, y), zapnuty ? seda : aqua);
            QVERIFY(o.pixel(x0 + 1, y) == aqua && o.pixel(x0 - 1, y) == aqua);
        }
    }

    // Curves may cross the top and left frame lines but never the right and
    // bottom ones nor anything outside the plot area.
    void orezani()
    {
        TGraf g;
        holyGraf(g);
        g.PridejBod(0, 0, 50);
        g.PridejBod(1, 200, 50);
        g.PridejBod(0, 50, 50);
        g.PridejBod(1, 50, 1e30);
        g.PridejBod(0, 30, 50);
        g.PridejBod(1, 30, -1e30);
        const QImage o = vykreslene(g);
        const Rozvrh r = rozvrh(g, 0);
        const QPoint stred = bod(r, 0, 50);
        for (int x = r.L; x < r.R; ++x)
            QCOMPARE(o.pixel(x, stred.y()), cervena);
        QCOMPARE(o.pixel(r.R, stred.y()), cerna);
        QCOMPARE(o.pixel(r.R + 1, stred.y()), aqua);
        const int x50 = bod(r, 50, 0).x(), x30 = bod(r, 30, 0).x();
        QCOMPARE(o.pixel(x50, r.T), cervena);
        QCOMPARE(o.pixel(x50, r.T - 1), aqua);
        QCOMPARE(o.pixel(x30, r.B - 1), cervena);
        QCOMPARE(o.pixel(x30, r.B), cerna);
        QCOMPARE(o.pixel(x30, r.B + 1), aqua);
    }

    void kolecko_data()
    {
        QTest::addColumn<int>("sirkaCary");
        QTest::newRow("1") << 1;
        QTest::newRow("2") << 2;
        QTest::newRow("3") << 3;
    }
    void kolecko()
    {
        QFETCH(int, sirkaCary);
        TGraf g;
        holyGraf(g);
        g.setSirkaCary(sirkaCary);
        g.PridejBod(0, 50, 50);
        g.PridejBod(-1, 50, 50);
        const QImage o = vykreslene(g);
        const QPoint s = bod(rozvrh(g, 0), 50, 50);
        QCOMPARE(o.pixel(s), aqua); // filled with the background
        int vnitrni = 0, vnejsi = 0;
        for (int d = 1; d < 20; ++d)
            if (o.pixel(s.x() - d, s.y()) == cervena) {
                vnitrni = vnitrni ? vnitrni : d;
                vnejsi = d;
            }
        // a ring of the pen's width around the radius 2 x SirkaCary
        const int r = 2 * sirkaCary;
        QVERIFY2(vnitrni >= r - sirkaCary && vnitrni <= r && vnejsi >= r && vnejsi <= r + sirkaCary,
                 qPrintable(QStringLiteral("%1 .. %2").arg(vnitrni).arg(vnejsi)));
        QCOMPARE(vnejsi - vnitrni + 1, sirkaCary);
    }

    // Codes 0, 2, 2, 0, 2 give two polylines; a marker leaves the pen where it
    // was; the held join runs level first, then upright.
    void spojovani()
    {
        TGraf g;
        holyGraf(g);
        for (int i = 0; i < 5; ++i)
            g.PridejBod(i == 3 ? 0 : 2, 10 + 20 * i, 20);
        g.PridejBod(0, 10, 50);
        g.PridejBod(-1, 30, 80);
        g.PridejBod(2, 50, 50);
        QImage o = vykreslene(g);
        const Rozvrh r = rozvrh(g, 0);
        QCOMPARE(o.pixel(bod(r, 40, 20)), modra);
        QCOMPARE(o.pixel(bod(r, 60, 20)), aqua);
        QCOMPARE(o.pixel(bod(r, 80, 20)), modra);
        QCOMPARE(o.pixel(bod(r, 30, 50)), modra);

        g.Smaz();
        g.setTvarovac(tPridrzeni);
        g.PridejBod(0, 20, 20);
        g.PridejBod(2, 60, 70);
        o = vykreslene(g);
        const QPoint a = bod(r, 20, 20), b = bod(r, 60, 70);
        for (int x = a.x(); x < b.x(); ++x)
            QCOMPARE(o.pixel(x, a.y()), modra);
        for (int y = a.y(); y > b.y(); --y)
            QCOMPARE(o.pixel(b.x(), y), modra);
        QCOMPARE(o.pixel(bod(r, 40, 45)), aqua);
    }

    void opravaRozsahu_data()
    {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("opravenyMin");
        QTest::addColumn<double>("opravenyMax");
        QTest::newRow("empty") << 5.0 << 5.0 << 5.0 << 5.0 + 1e-10;
        QTest::newRow("reversed") << 5.0 << 3.0 << 5.0 << 5.0 + 1e-10;
        QTest::newRow("NaN min") << nan << 1.0 << 0.0 << 1.0;
        QTest::newRow("infinite max") << 0.0 << inf << 0.0 << 1e-10;
        QTest::newRow("huge and empty") << 1e300 << 1e300 << 1e300 << std::nextafter(1e300, inf);
    }
    void opravaRozsahu()
    {
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(double, opravenyMin);
        QFETCH(double, opravenyMax);
        TGraf g;
        g.resize(120, 80);
        g.nastavOsy(0, 100, min, max, 10, 10);
        vykreslene(g);
        QCOMPARE(g.yMin(), opravenyMin);
        QCOMPARE(g.yMax(), opravenyMax);
    }

    // Whatever the values, a paint ends, and the plot frame's bottom right
    // corner stays where the layout puts it.
    void nesmyslneHodnoty_data()
    {
        using Uprava = std::function<void(TGraf&)>;
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::addColumn<Uprava>("uprava");
        QTest::newRow("x range NaN") << Uprava([=](TGraf& g) { g.nastavOsy(nan, nan, 0, 1, 10, 10); });
        QTest::newRow("widest range") << Uprava([](TGraf& g) { g.nastavOsy(-1.7e308, 1.7e308, 0, 1, 10, 10); });
        QTest::newRow("divisions 0, 0.4") << Uprava([](TGraf& g) { g.nastavOsy(0, 1, 0, 1, 0, 0.4); });
        QTest::newRow("divisions NaN, 1e300") << Uprava([=](TGraf& g) { g.nastavOsy(0, 1, 0, 1, nan, 1e300); });
        QTest::newRow("points NaN, inf, 1e38") << Uprava([=](TGraf& g) {
            for (double v : {nan, inf, -inf, 1e38, -1e38, 0.5})
                for (double w : {nan, inf, -1e38, 0.5}) {
                    g.PridejBod(2, v, w);
                    g.PridejBod(-1, w, v);
                }
        });
        QTest::newRow("pen widths") << Uprava([](TGraf& g) {
            g.setSirkaCary(-5);
            g.PridejBod(0, 50, 50);
            g.PridejBod(std::numeric_limits<int>::min(), 60, 50);
            g.PridejBod(std::numeric_limits<int>::max(), 1e30, 1e30);
        });
    }
    void nesmyslneHodnoty()
    {
        QFETCH(std::function<void(TGraf&)>, uprava);
        TGraf g;
        g.resize(200, 120);
        g.setYCislic(4);
        uprava(g);
        const QImage o = vykreslene(g);
        QVERIFY(g.xMax() > g.xMin() && std::isfinite(g.xMax()) && g.yMax() > g.yMin());
        QCOMPARE(o.pixel(194, 120 - 5 - 3 - rozvrh(g, 0).a), cerna);
    }
};

VORTA_TEST(TestVykresleni)
#include "test_vykresleni.moc"
