#include "VortaTest.h"
#include "grafyTestu.h"

#include "continuous/TKonvoluce.h"
#include "continuous/konvoluce.h"
#include "core/cisla.h"
#include "graf/TGraf.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <cmath>
#include <numeric>

using namespace konvoluce;
using vortatest::body;

namespace {

// Area of a sampled signal or curve: sum of samples times the step 0.01.
double plocha(const Tabulka& t) { return std::accumulate(t.begin(), t.end(), 0.0) / 100; }
double plocha(const std::vector<QPointF>& v)
{
    return std::accumulate(v.begin(), v.end(), 0.0, [](double s, QPointF b) { return s + b.y(); }) / 100;
}
} // namespace

class TestKonvoluce : public QObject {
    Q_OBJECT
private slots:
    // y(t) against the closed-form convolution of the continuous shapes, within a few steps of 0.01.
    void analytickyVysledek()
    {
        const struct {
            int tu, tg;
            double t, ocekavano, tolerance;
        } pripady[] = {
            {0, 0, 1.0, 0.99, 1e-6},     // rectangle * rectangle = triangle t, 2 - t; 99 unit samples at the peak
            {0, 0, 2.4, 0.0, 0.0},       // and nothing past it
            {0, 1, 0.6, 0.18, 0.011},    // rectangle * ramp: t^2/2 rising
            {3, 0, 0.5, 0.375, 0.011},   // falling ramp * rectangle: int_0^0.5 (1 - tau)
            {0, 3, 1.0, 0.566, 0.001},   // the impulse response under a unit step reaches its whole area
        };
        for (const auto& p : pripady) {
            const double y = hodnota(tabulkaU(p.tu), tabulkaG(p.tg), int(std::lround(p.t * 100)));
            QVERIFY2(std::abs(y - p.ocekavano) <= p.tolerance, qPrintable(QString::number(y, 'g', 10)));
        }
    }

    // The area of a convolution is the product of the areas (closed-form sums of the samples, e.g.
    // the rising saw: sum j/100 for j = 1..99 = 49.5, times 0.01), and the area of the product curve
    // at P is y(P/100), although the two are summed over different ranges of tau.
    void plochy()
    {
        const double plochyU[] = {0.99, 0.55, 0.495, 0.495, 0.5, 0.49};
        const double plochyG[] = {1.01, 0.505, 0.5, plocha(tabulkaG(3))};
        for (int tu = 0; tu < 6; ++tu)
            for (int tg = 0; tg < 4; ++tg) {
                const Tabulka u = tabulkaU(tu), g = tabulkaG(tg);
                QCOMPARE_LE(std::abs(plocha(vysledek(u, g)) - plochyU[tu] * plochyG[tg]), 1e-5);
                for (int P : {0, 1, 37, 100, 163, 199, 200})
                    QCOMPARE_LE(std::abs(plocha(soucin(u, g, P)) - hodnota(u, g, P)), 1e-9);
            }
    }

    // The response peaks near 1 at tau = 0.33; the tables are zero outside the shapes, and reading
    // past either end is zero rather than a stray memory read.
    void tabulky()
    {
        const Tabulka g = tabulkaG(3);
        const auto vrchol = std::max_element(g.begin(), g.end());
        QCOMPARE(vrchol - g.begin() - Stred, 33);
        QCOMPARE_LE(std::abs(*vrchol - 1.008), 0.001);
        // 21.7 sin(pi tau/10) (1 - tau)^2 vanishes at both ends of [0, 1]
        QVERIFY(g[Stred] == 0 && g[Stred + 100] == 0);
        for (int i : {-100000, -1, Stred - 1, Stred + 101, PocetVzorku})
            QCOMPARE(vzorek(tabulkaG(0), i), 0.0f);
        QCOMPARE(vzorek(tabulkaG(0), Stred + 100), 1.0f);
        const Tabulka u = tabulkaU(0);
        QVERIFY(u[Stred] == 0 && u[Stred + 1] == 1 && u[Stred + 99] == 1 && u[Stred + 100] == 0);
        QVERIFY(plocha(tabulkaU(-1)) == 0 && plocha(tabulkaG(4)) == 0);
    }

    // Moving the time changes g(t - tau), the product, the marker and the labels (in the system's
    // separator); the inputs and the result curve stay.
    void posunCasu()
    {
        TKonvoluce okno;
        auto* yttt = okno.findChild<QLabel*>("yttt");
        TGraf* g[5];
        std::vector<TBod> pred[5];
        for (int i = 0; const char* jmeno : {"sigx", "sigy", "sigyrp", "soucin", "sigout"})
            g[i] = okno.findChild<TGraf*>(jmeno), pred[i] = body(g[i]), ++i;
        // sigx shows u, zero at tau = 0; sigy shows g, one there
        QVERIFY(pred[0][1 + 200].y == 0 && pred[1][1 + 200].y == 1);
        const auto y = [](QString s) { return s.replace(QLatin1Char(','), vorta::desetinnyOddelovac()); };
        okno.findChild<QScrollBar*>("pos")->setValue(100);
        QCOMPARE(okno.findChild<QLabel*>("ttt")->text(), QStringLiteral("t = 1000ms"));
        QCOMPARE(yttt->text(), y("y (1,00) = 0,99"));
        QVERIFY(body(g[0]) == pred[0] && body(g[1]) == pred[1] && body(g[3]) != pred[3]);
        // in sigyrp, after the grey u trace, g(1 - tau) is the rectangle on tau 0 ... 1
        const auto yrp = body(g[2]);
        QVERIFY(yrp[452 + 1 + 200 + 50].y == 1.0f && yrp[452 + 1 + 200 - 1].y == 0.0f);
        // the result curve stays, the marker moves to (t, y(t))
        const auto po = body(g[4]);
        QVERIFY(std::equal(po.begin(), po.end() - 1, pred[4].begin()));
        QVERIFY(po.back().Styl == -2 && po.back().x == 1.0f && std::abs(po.back().y - 0.99f) < 1e-6f);
        // a new g is taken at once; 0.5664 rounds up
        okno.findChild<QComboBox*>("sigg")->setCurrentIndex(3);
        QCOMPARE(yttt->text(), y("y (1,00) = 0,57"));
    }
};

VORTA_TEST(TestKonvoluce)
#include "test_konvoluce.moc"
