#include "VortaTest.h"

#include "continuous/Tharmonicke.h"
#include "continuous/Tharmonicke2.h"
#include "continuous/harmonicke.h"
#include "continuous/obrazky.h"
#include "graf/TGraf.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <cmath>
#include <complex>
#include <numbers>

using namespace harmonicke;

namespace {

constexpr double Pi = std::numbers::pi;

// The six signals as the table describes them, over one period [0, 1).
double signal(int s, double t)
{
    const double f = t - std::floor(t);
    switch (s) {
    case 0: return f < 0.5 ? 1 : 0;
    case 1: return (f < 0.25 || f > 0.75) ? 1 : 0;
    case 2: return (f > 0.125 && f < 0.625) ? 1 : 0;
    case 3: return (f > 0.25 && f < 0.5) ? 1 : 0;
    case 4: return f;
    default: return f <= 0.5 ? 2 * f : 2 - 2 * f;
    }
}

// Where the signal jumps within [0, 1).
std::vector<double> skoky(int s)
{
    switch (s) {
    case 0: return {0, 0.5};
    case 1: return {0.25, 0.75};
    case 2: return {0.125, 0.625};
    case 3: return {0.25, 0.5};
    case 4: return {0};
    default: return {};
    }
}

double vzdalenostOdSkoku(int s, double t)
{
    double d = 1;
    for (double k : skoky(s))
        for (int p = -2; p <= 2; ++p)
            d = std::min(d, std::abs(t - k - p));
    return d;
}

std::vector<TBod> body(const TGraf* g)
{
    std::vector<TBod> v;
    for (int i = 0; i < g->PocetBodu(); ++i)
        v.push_back(g->CtiBod(i));
    return v;
}

} // namespace

class TestHarmonicke : public QObject {
    Q_OBJECT
private slots:
    // Every coefficient against the defining integrals over the described
    // signal (midpoint rule; the jumps fall on the grid, so it converges as
    // h^2 on every smooth piece).
    void koeficientyZIntegralu_data()
    {
        QTest::addColumn<int>("s");
        for (int s = 0; s < PocetSignalu; ++s)
            QTest::addRow("%s", qPrintable(nazvy().at(s))) << s;
    }
    void koeficientyZIntegralu()
    {
        QFETCH(int, s);
        const int K = 80000;
        double stredni = 0;
        for (int k = 0; k < K; ++k)
            stredni += signal(s, (k + 0.5) / K) / K;
        QCOMPARE_LE(std::abs(a0(s) - stredni), 1e-9);
        for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 13, 40}) {
            double an = 0, bn = 0;
            for (int k = 0; k < K; ++k) {
                const double t = (k + 0.5) / K;
                an += 2 * signal(s, t) * std::cos(2 * Pi * n * t) / K;
                bn += 2 * signal(s, t) * std::sin(2 * Pi * n * t) / K;
            }
            QVERIFY2(std::abs(a(s, n) - an) < 2e-6, qPrintable(QStringLiteral("a(%1)").arg(n)));
            QVERIFY2(std::abs(b(s, n) - bn) < 2e-6, qPrintable(QStringLiteral("b(%1)").arg(n)));
        }
    }

    void znameKoeficienty_data()
    {
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("ocekA");
        QTest::addColumn<double>("ocekB");
        QTest::newRow("obdelnik 1, n=1") << 0 << 1 << 0.0 << 2 / Pi;
        QTest::newRow("obdelnik 1, n=2") << 0 << 2 << 0.0 << 0.0;
        QTest::newRow("obdelnik 1, n=3") << 0 << 3 << 0.0 << 2 / (3 * Pi);
        QTest::newRow("obdelnik 2, n=3") << 1 << 3 << -2 / (3 * Pi) << 0.0;
        QTest::newRow("pila, n=1") << 4 << 1 << 0.0 << -1 / Pi;
        QTest::newRow("pila, n=2") << 4 << 2 << 0.0 << -1 / (2 * Pi);
        QTest::newRow("pila, n=40") << 4 << 40 << 0.0 << -1 / (40 * Pi);
        QTest::newRow("trojuhelnik, n=1") << 5 << 1 << -4 / (Pi * Pi) << 0.0;
        QTest::newRow("trojuhelnik, n=2") << 5 << 2 << 0.0 << 0.0;
        QTest::newRow("trojuhelnik, n=39") << 5 << 39 << -4 / (39 * 39 * Pi * Pi) << 0.0;
        // n = 0 is the mean's place, never the 0/0 of the formulas
        QTest::newRow("trojuhelnik, n=0") << 5 << 0 << 0.0 << 0.0;
        QTest::newRow("neznamy signal") << 6 << 1 << 0.0 << 0.0;
    }
    void znameKoeficienty()
    {
        QFETCH(int, s);
        QFETCH(int, n);
        QFETCH(double, ocekA);
        QFETCH(double, ocekB);
        QCOMPARE_LE(std::abs(a(s, n) - ocekA), 1e-15);
        QCOMPARE_LE(std::abs(b(s, n) - ocekB), 1e-15);
    }

    // Away from its jumps the partial sum with 40 harmonics is close to the
    // signal; at a jump it is close to the mean of the two sides.
    void castecnySoucetKonverguje_data() { koeficientyZIntegralu_data(); }
    void castecnySoucetKonverguje()
    {
        QFETCH(int, s);
        const std::vector<QPointF> krivka = castecnySoucet(s, 40);
        QCOMPARE(krivka.size(), std::size_t(201));
        const double tolerance = s == 5 ? 0.006 : 0.045;
        double nejvic = 0;
        for (const QPointF& b : krivka)
            if (vzdalenostOdSkoku(s, b.x()) >= 0.05)
                nejvic = std::max(nejvic, std::abs(b.y() - signal(s, b.x())));
        QVERIFY2(nejvic < tolerance, qPrintable(QString::number(nejvic)));
        // the plotted curve is the same sum as at any single time
        for (const QPointF& b : krivka)
            QCOMPARE_LE(std::abs(b.y() - castecnySoucet(s, 40, b.x())), 1e-12);
        for (double k : skoky(s)) {
            const double pred = signal(s, k - 1e-9), po = signal(s, k + 1e-9);
            QCOMPARE_LE(std::abs(castecnySoucet(s, 40, k) - (pred + po) / 2), 0.01);
        }
        for (const QPointF& b : castecnySoucet(s, 0))
            QCOMPARE(b.y(), a0(s));
    }

    // The Gibbs overshoot: near a unit jump the partial sums peak about 9 %
    // above the level, 1/2 + Si(pi)/pi = 1.0895 in the limit.
    void gibbsuvJev()
    {
        double vrchol = 0;
        for (int k = 1; k < 2000; ++k)
            vrchol = std::max(vrchol, castecnySoucet(0, 40, k * 0.05 / 2000));
        QCOMPARE_LE(std::abs(vrchol - 1.0895), 0.002);
    }

    // The four rectangles are one rectangle of width w centred at tc, so
    // c(m) = sin(pi m w) / (pi m) * exp(-j 2 pi m tc) by the shift theorem.
    void posunutyObdelnik_data()
    {
        QTest::addColumn<int>("s");
        QTest::addColumn<double>("w");
        QTest::addColumn<double>("tc");
        QTest::newRow("obdelnik 1") << 0 << 0.5 << 0.25;
        QTest::newRow("obdelnik 2") << 1 << 0.5 << 0.0;
        QTest::newRow("obdelnik 3") << 2 << 0.5 << 0.375;
        QTest::newRow("obdelnik 4") << 3 << 0.25 << 0.375;
    }
    void posunutyObdelnik()
    {
        QFETCH(int, s);
        QFETCH(double, w);
        QFETCH(double, tc);
        QCOMPARE(a0(s), w);
        for (int m = -40; m <= 40; ++m) {
            if (m == 0)
                continue;
            const std::complex<double> c = std::sin(Pi * m * w) / (Pi * m) * std::polar(1.0, -2 * Pi * m * tc);
            const std::complex<double> zTabulky(a(s, m) / 2, -b(s, m) / 2);
            QVERIFY2(std::abs(c - zTabulky) < 1e-12, qPrintable(QStringLiteral("m=%1").arg(m)));
            QCOMPARE_LE(std::abs(modul(s, m) - std::abs(c)), 1e-12);
            if (std::abs(c) > 1e-3) {
                // the quantised phase is the exact phase to within 1/10000 / |c|
                double rozdil = std::abs(faze(s, m) - std::arg(c) * 180 / Pi);
                rozdil = std::min(rozdil, 360 - rozdil);
                QCOMPARE_LE(rozdil, 0.05);
            }
        }
    }

    void komplexniSpektrum_data()
    {
        QTest::addColumn<int>("s");
        QTest::addColumn<int>("m");
        QTest::addColumn<double>("ocekModul");
        QTest::addColumn<double>("ocekFaze");
        QTest::newRow("obdelnik 1, m=1") << 0 << 1 << 1 / Pi << -90.0;
        QTest::newRow("obdelnik 1, m=-1") << 0 << -1 << 1 / Pi << 90.0;
        QTest::newRow("obdelnik 1, m=2") << 0 << 2 << 0.0 << 0.0;
        QTest::newRow("obdelnik 1, m=-40") << 0 << -40 << 0.0 << 0.0;
        QTest::newRow("obdelnik 2, m=3") << 1 << 3 << 1 / (3 * Pi) << 180.0;
        QTest::newRow("obdelnik 2, m=-3") << 1 << -3 << 1 / (3 * Pi) << 180.0;
        QTest::newRow("obdelnik 4, m=0") << 3 << 0 << 0.25 << 0.0;
        QTest::newRow("pila, m=1") << 4 << 1 << 1 / (2 * Pi) << 90.0;
        QTest::newRow("pila, m=-1") << 4 << -1 << 1 / (2 * Pi) << -90.0;
        QTest::newRow("pila, m=17") << 4 << 17 << 1 / (34 * Pi) << 90.0;
        QTest::newRow("trojuhelnik, m=1") << 5 << 1 << 2 / (Pi * Pi) << 180.0;
        QTest::newRow("trojuhelnik, m=-1") << 5 << -1 << 2 / (Pi * Pi) << 180.0;
        QTest::newRow("trojuhelnik, m=4") << 5 << 4 << 0.0 << 0.0;
    }
    void komplexniSpektrum()
    {
        QFETCH(int, s);
        QFETCH(int, m);
        QFETCH(double, ocekModul);
        QFETCH(double, ocekFaze);
        QCOMPARE_LE(std::abs(modul(s, m) - ocekModul), 1e-12);
        QCOMPARE(faze(s, m), ocekFaze);
    }

    // |c(-m)| = |c(m)|; arg c(-m) = -arg c(m), except that 180 stays 180.
    void symetrie()
    {
        for (int s = 0; s < PocetSignalu; ++s)
            for (int m = 1; m <= 40; ++m) {
                QCOMPARE_LE(std::abs(modul(s, -m) - modul(s, m)), 1e-15);
                const double f = faze(s, m), g = faze(s, -m);
                QVERIFY(f > -180 && f <= 180);
                if (f == 180)
                    QCOMPARE(g, 180.0);
                else
                    QCOMPARE(g, -f);
            }
    }

    void kvantovaniFaze_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("ocekFaze");
        QTest::newRow("nula") << 0.0 << 0.0 << 0.0;
        QTest::newRow("sum kolem nuly") << 3e-17 << -2e-16 << 0.0;
        QTest::newRow("pod 1/20000") << -0.00004 << 0.00004 << 0.0;
        QTest::newRow("nad 1/20000") << -0.00006 << 0.0 << 180.0;
        // a rounded-away negative b must not turn 180 into -180
        QTest::newRow("zaporne a, nepatrne b") << -0.3 << 1e-12 << 180.0;
        QTest::newRow("zaporne a, nepatrne -b") << -0.3 << -1e-12 << 180.0;
        QTest::newRow("jen b") << 0.0 << 0.2 << -90.0;
        QTest::newRow("stejne slozky") << -0.1 << 0.1 << -135.0;
        QTest::newRow("NaN") << std::nan("") << 0.5 << -90.0;
    }
    void kvantovaniFaze()
    {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, ocekFaze);
        QCOMPARE(fazeZeSlozek(a, b), ocekFaze);
    }

    void temata()
    {
        QCOMPARE(tema(0, false), QStringLiteral("/signal1.html"));
        QCOMPARE(tema(5, false), QStringLiteral("/signal6.html"));
        QCOMPARE(tema(2, true), QStringLiteral("/ksignal3.html"));
        QCOMPARE(tema(-1, true), QStringLiteral("/ksignal1.html"));
    }

    // The pictures are drawn, differ between the signals, and the complex
    // form's formulas differ from the component form's.
    void obrazkySignalu()
    {
        auto inkoust = [](const QImage& img) {
            int n = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    n += img.pixel(x, y) != qRgb(255, 255, 255);
            return n;
        };
        for (int s = 0; s < PocetSignalu; ++s) {
            QCOMPARE(obrazky::prubeh(s).size(), obrazky::VelikostPrubehu);
            QVERIFY(inkoust(obrazky::prubeh(s)) > 500);
            QVERIFY(inkoust(obrazky::vzorec(s, false)) > 300);
            QVERIFY(obrazky::vzorec(s, false) != obrazky::vzorec(s, true));
            for (int r = 0; r < s; ++r) {
                QVERIFY(obrazky::prubeh(s) != obrazky::prubeh(r));
                QVERIFY(obrazky::vzorec(s, false) != obrazky::vzorec(r, false));
            }
        }
        QCOMPARE(inkoust(obrazky::prubeh(7)), 0);
        QVERIFY(inkoust(obrazky::vzorecKonvoluce()) > 300);
    }

    // Highlighted bars (style 2) are the harmonics in the sum, the rest grey
    // (style 6); the mean's bar is always highlighted.
    void zvyrazneni_data()
    {
        QTest::addColumn<bool>("komplexne");
        QTest::addColumn<int>("N");
        for (bool k : {false, true})
            for (int N : {0, 7, 40})
                QTest::addRow("%s N=%d", k ? "komplexne" : "po slozkach", N) << k << N;
    }
    void zvyrazneni()
    {
        QFETCH(bool, komplexne);
        QFETCH(int, N);
        std::unique_ptr<QWidget> okno(komplexne ? static_cast<QWidget*>(new Tharmonicke)
                                                : static_cast<QWidget*>(new Tharmonicke2));
        auto* stupen = okno->findChild<QScrollBar*>("stupen");
        auto* vyber = okno->findChild<QComboBox*>("vyber");
        QVERIFY(stupen && vyber);
        QCOMPARE(stupen->maximum(), 40);
        vyber->setCurrentIndex(4);
        stupen->setValue(N);
        QCOMPARE(okno->findChild<QLabel*>("harmonickych")->text(), QStringLiteral("n=%1").arg(N));
        for (const char* jmeno : {"an", "bn"}) {
            const auto b = body(okno->findChild<TGraf*>(jmeno));
            QCOMPARE(int(b.size()), komplexne ? 3 * 81 : 3 * 41);
            for (std::size_t i = 0; i < b.size(); i += 3) {
                const int n = int(b[i].x);
                const int w = (n == 0 || std::abs(n) <= N) ? 2 : 6;
                QCOMPARE(b[i + 1].Styl, w);
                QCOMPARE(b[i + 2].Styl, -w);
                QCOMPARE(b[i].y, 0.0f);
            }
        }
        // the saw's sine bars all point down, -1/(n pi); complex: |c| = 1/(2 pi |m|)
        const auto bars = body(okno->findChild<TGraf*>(komplexne ? "an" : "bn"));
        for (std::size_t i = 3; i < bars.size(); i += 3) {
            const double n = bars[i].x;
            const double ocek = komplexne ? 1 / (2 * Pi * std::abs(n)) : -1 / (n * Pi);
            QCOMPARE_LE(std::abs(bars[i + 1].y - ocek), 1e-7);
        }
        const auto soucet = body(okno->findChild<TGraf*>("obdel"));
        QCOMPARE(soucet.size(), std::size_t(201));
        QCOMPARE(soucet.front().x, -0.5f);
        QCOMPARE(soucet.back().x, 1.5f);
        if (N == 0)
            for (const TBod& b : soucet)
                QCOMPARE(b.y, 0.5f);
    }
};

VORTA_TEST(TestHarmonicke)
#include "test_harmonicke.moc"
