#include "VortaTest.h"

#include "continuous/TKonvoluce.h"
#include "continuous/konvoluce.h"
#include "core/cisla.h"
#include "graf/TGraf.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <cmath>
#include <numbers>

using namespace konvoluce;

namespace {

// Area of a sampled signal, sum of samples times the step 0.01.
double plocha(const Tabulka& t)
{
    double s = 0;
    for (float v : t)
        s += v;
    return s / 100;
}

std::vector<TBod> body(const TGraf* g)
{
    std::vector<TBod> v;
    for (int i = 0; i < g->PocetBodu(); ++i)
        v.push_back(g->CtiBod(i));
    return v;
}

bool stejne(const std::vector<TBod>& a, const std::vector<TBod>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].x != b[i].x || a[i].y != b[i].y || a[i].Styl != b[i].Styl)
            return false;
    return true;
}

} // namespace

class TestKonvoluce : public QObject {
    Q_OBJECT
private slots:
    // y(t) against the closed-form convolution of the continuous shapes; the
    // samples sit at whole hundredths, so the discrete sum is within a few
    // steps of 0.01 of the integral.
    void analytickyVysledek_data()
    {
        QTest::addColumn<int>("tu");
        QTest::addColumn<int>("tg");
        QTest::addColumn<double>("t");
        QTest::addColumn<double>("ocekavano");
        QTest::addColumn<double>("tolerance");
        // rectangle * rectangle = triangle t, 2 - t; 99 unit samples at the peak
        QTest::newRow("obdelnik*obdelnik t=1") << 0 << 0 << 1.0 << 0.99 << 1e-6;
        QTest::newRow("obdelnik*obdelnik t=0.3") << 0 << 0 << 0.3 << 0.3 << 0.011;
        QTest::newRow("obdelnik*obdelnik t=1.6") << 0 << 0 << 1.6 << 0.4 << 0.011;
        QTest::newRow("obdelnik*obdelnik t=0") << 0 << 0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("obdelnik*obdelnik t=2") << 0 << 0 << 2.0 << 0.0 << 0.0;
        QTest::newRow("obdelnik*obdelnik t=-1") << 0 << 0 << -1.0 << 0.0 << 0.0;
        QTest::newRow("obdelnik*obdelnik t=2.4") << 0 << 0 << 2.4 << 0.0 << 0.0;
        // rectangle * ramp: t^2/2 rising, (1 - (t-1)^2)/2 falling
        QTest::newRow("obdelnik*pila t=0.6") << 0 << 1 << 0.6 << 0.18 << 0.011;
        QTest::newRow("obdelnik*pila t=1.5") << 0 << 1 << 1.5 << 0.375 << 0.011;
        // ramp * rectangle is the same integral with the roles swapped
        QTest::newRow("pila nahoru*obdelnik t=0.6") << 2 << 0 << 0.6 << 0.18 << 0.011;
        QTest::newRow("pila nahoru*obdelnik t=1.5") << 2 << 0 << 1.5 << 0.375 << 0.011;
        // rectangle * triangle at t = 1 covers the whole triangle: area 1/2
        QTest::newRow("obdelnik*trojuhelnik t=1") << 0 << 2 << 1.0 << 0.5 << 0.011;
        // falling ramp * rectangle at t = 0.5: int_0^0.5 (1 - tau) = 0.375
        QTest::newRow("pila dolu*obdelnik t=0.5") << 3 << 0 << 0.5 << 0.375 << 0.011;
        // the impulse response under a unit step reaches its whole area
        QTest::newRow("obdelnik*odezva t=1") << 0 << 3 << 1.0 << 0.566 << 0.001;
        QTest::newRow("obdelnik*odezva t=2") << 0 << 3 << 2.0 << 0.0 << 0.0;
    }
    void analytickyVysledek()
    {
        QFETCH(int, tu);
        QFETCH(int, tg);
        QFETCH(double, t);
        QFETCH(double, ocekavano);
        QFETCH(double, tolerance);
        const int n = int(std::lround(t * 100));
        const double y = hodnota(tabulkaU(tu), tabulkaG(tg), n);
        QVERIFY2(std::abs(y - ocekavano) <= tolerance, qPrintable(QString::number(y, 'g', 10)));
    }

    // The area of a convolution is the product of the areas. The areas of
    // the tables are closed-form sums of their samples (e.g. the rising saw
    // u: sum j/100 for j = 1..99 = 49.5, times 0.01).
    void plochaJeSoucinPloch_data()
    {
        QTest::addColumn<int>("tu");
        QTest::addColumn<double>("plochaU");
        const double plochy[] = {0.99, 0.55, 0.495, 0.495, 0.5, 0.49};
        for (int i = 0; i < 6; ++i)
            QTest::addRow("u%d", i) << i << plochy[i];
    }
    void plochaJeSoucinPloch()
    {
        QFETCH(int, tu);
        QFETCH(double, plochaU);
        const Tabulka u = tabulkaU(tu);
        QCOMPARE_LE(std::abs(plocha(u) - plochaU), 1e-5);
        const double plochyG[] = {1.01, 0.505, 0.5, -1};
        for (int tg = 0; tg < 4; ++tg) {
            const Tabulka g = tabulkaG(tg);
            if (plochyG[tg] >= 0)
                QCOMPARE_LE(std::abs(plocha(g) - plochyG[tg]), 1e-5);
            double plochaY = 0;
            for (const QPointF& b : vysledek(u, g))
                plochaY += b.y() / 100;
            QCOMPARE_LE(std::abs(plochaY - plocha(u) * plocha(g)), 1e-5);
        }
    }

    // The area of the product curve at P is the value y(P/100), although
    // the two are summed over different ranges of tau.
    void soucinDavaHodnotu_data()
    {
        QTest::addColumn<int>("P");
        for (int P : {0, 1, 37, 100, 163, 199, 200})
            QTest::addRow("P=%d", P) << P;
    }
    void soucinDavaHodnotu()
    {
        QFETCH(int, P);
        for (int tu = 0; tu < 6; ++tu)
            for (int tg = 0; tg < 4; ++tg) {
                const Tabulka u = tabulkaU(tu), g = tabulkaG(tg);
                const std::vector<QPointF> s = soucin(u, g, P);
                QCOMPARE(s.size(), std::size_t(801));
                double plochaS = 0;
                for (const QPointF& b : s)
                    plochaS += b.y() / 100;
                QCOMPARE_LE(std::abs(plochaS - hodnota(u, g, P)), 1e-9);
            }
    }

    void odezvaNaImpuls()
    {
        const Tabulka g = tabulkaG(3);
        int kde = 0;
        for (int k = 0; k < PocetVzorku; ++k)
            if (g[k] > g[kde])
                kde = k;
        QCOMPARE(kde - Stred, 33);
        QCOMPARE_LE(std::abs(g[kde] - 1.008), 0.001);
        // 21.7 sin(pi tau/10) (1 - tau)^2 vanishes at both ends of [0, 1]
        QCOMPARE(g[Stred], 0.0f);
        QCOMPARE(g[Stred + 100], 0.0f);
        const double tau = 0.5;
        QCOMPARE_LE(std::abs(g[Stred + 50] - 21.7 * std::sin(std::numbers::pi * tau / 10) * 0.25), 1e-5);
    }

    // The tables are zero outside the shapes, and reading past either end
    // is zero rather than a stray memory read.
    void mimoTabulku()
    {
        const Tabulka g = tabulkaG(0);
        QCOMPARE(vzorek(g, -1), 0.0f);
        QCOMPARE(vzorek(g, -100000), 0.0f);
        QCOMPARE(vzorek(g, PocetVzorku), 0.0f);
        QCOMPARE(vzorek(g, Stred + 100), 1.0f);
        QCOMPARE(vzorek(g, Stred + 101), 0.0f);
        QCOMPARE(vzorek(g, Stred - 1), 0.0f);
        const Tabulka u = tabulkaU(0);
        QCOMPARE(u[Stred], 0.0f);
        QCOMPARE(u[Stred + 1], 1.0f);
        QCOMPARE(u[Stred + 99], 1.0f);
        QCOMPARE(u[Stred + 100], 0.0f);
        // an unknown entry is the zero signal
        QCOMPARE(plocha(tabulkaU(-1)), 0.0);
        QCOMPARE(plocha(tabulkaG(4)), 0.0);
    }

    void popisky_data()
    {
        QTest::addColumn<int>("P");
        QTest::addColumn<double>("y");
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QString>("hodnota");
        QTest::newRow("nula") << 0 << 0.0 << "t = 0ms" << "y (0,00) = 0,00";
        QTest::newRow("vrchol") << 100 << 0.99 << "t = 1000ms" << "y (1,00) = 0,99";
        QTest::newRow("konec") << 200 << 0.0 << "t = 2000ms" << "y (2,00) = 0,00";
        QTest::newRow("odezva") << 37 << 0.5664 << "t = 370ms" << "y (0,37) = 0,57";
    }
    void popisky()
    {
        QFETCH(int, P);
        QFETCH(double, y);
        QFETCH(QString, cas);
        QFETCH(QString, hodnota);
        QCOMPARE(popisCasu(P), cas);
        QCOMPARE(popisHodnoty(P, y, QLatin1Char(',')), hodnota);
    }

    // Moving the time changes g(t - tau), the product, the marker and the
    // labels; the inputs and the result curve stay as they were.
    void posunCasu()
    {
        TKonvoluce okno;
        auto* pos = okno.findChild<QScrollBar*>("pos");
        auto* sigu = okno.findChild<QComboBox*>("sigu");
        auto* sigg = okno.findChild<QComboBox*>("sigg");
        QVERIFY(pos && sigu && sigg);
        QCOMPARE(pos->minimum(), 0);
        QCOMPARE(pos->maximum(), 200);
        QCOMPARE(sigu->count(), 6);
        QCOMPARE(sigg->count(), 4);
        TGraf* g[5];
        const char* jmena[5] = {"sigx", "sigy", "sigyrp", "soucin", "sigout"};
        for (int i = 0; i < 5; ++i) {
            g[i] = okno.findChild<TGraf*>(jmena[i]);
            QVERIFY(g[i]);
        }
        auto* ttt = okno.findChild<QLabel*>("ttt");
        auto* yttt = okno.findChild<QLabel*>("yttt");
        QCOMPARE(ttt->text(), QStringLiteral("t = 0ms"));
        const QChar sep = vorta::desetinnyOddelovac();
        QCOMPARE(yttt->text(), QStringLiteral("y (0,00) = 0,00").replace(QLatin1Char(','), sep));
        QCOMPARE(g[0]->PocetBodu(), 452);
        QCOMPARE(g[2]->PocetBodu(), 904);
        QCOMPARE(g[3]->PocetBodu(), 802);
        QCOMPARE(g[4]->PocetBodu(), 453);

        std::vector<TBod> pred[5];
        for (int i = 0; i < 5; ++i)
            pred[i] = body(g[i]);
        pos->setValue(100);
        QCOMPARE(ttt->text(), QStringLiteral("t = 1000ms"));
        QCOMPARE(yttt->text(), QStringLiteral("y (1,00) = 0,99").replace(QLatin1Char(','), sep));
        QVERIFY(stejne(body(g[0]), pred[0]));
        QVERIFY(stejne(body(g[1]), pred[1]));
        QVERIFY(!stejne(body(g[3]), pred[3]));
        // the grey u trace in sigyrp stays, the g(t - tau) part moves
        const auto yrp = body(g[2]);
        QVERIFY(std::equal(yrp.begin(), yrp.begin() + 452, pred[2].begin(),
                           [](const TBod& a, const TBod& b) { return a.y == b.y && a.Styl == b.Styl; }));
        QCOMPARE(yrp[1].Styl, 406);
        QVERIFY(!stejne(yrp, pred[2]));
        // g(1 - tau) is the rectangle on tau 0 ... 1
        QCOMPARE(yrp[452 + 1 + 200 + 50].y, 1.0f);
        QCOMPARE(yrp[452 + 1 + 200 - 1].y, 0.0f);
        const auto po = body(g[4]);
        QVERIFY(std::equal(po.begin(), po.end() - 1, pred[4].begin(),
                           [](const TBod& a, const TBod& b) { return a.x == b.x && a.y == b.y && a.Styl == b.Styl; }));
        QCOMPARE(po.back().Styl, -2);
        QCOMPARE(po.back().x, 1.0f);
        QCOMPARE_LE(std::abs(po.back().y - 0.99f), 1e-6f);

        pos->setValue(200);
        QCOMPARE(ttt->text(), QStringLiteral("t = 2000ms"));
        QCOMPARE(body(g[4]).back().x, 2.0f);
        QCOMPARE(body(g[4]).back().y, 0.0f);

        sigg->setCurrentIndex(3);
        pos->setValue(100);
        QCOMPARE(yttt->text(), QStringLiteral("y (1,00) = 0,57").replace(QLatin1Char(','), sep));
    }
};

VORTA_TEST(TestKonvoluce)
#include "test_konvoluce.moc"
