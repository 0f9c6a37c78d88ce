#include "VortaTest.h"

#include "analysis/TDTFT.h"
#include "analysis/dtft.h"
#include "graf/TGraf.h"

#include <QLabel>
#include <QScrollBar>
#include "core/cisla.h"

#include <cmath>
#include <complex>
#include <numbers>

using namespace dtft;

namespace {
constexpr double Pi = std::numbers::pi;

// A pulse as the entry tools deliver it: 600 values on -0.5 <= t < 0.5
// (sample i at t = i / 600 - 0.5) and the first zero after it as sample 600.
std::vector<float> pulz(auto f)
{
    std::vector<float> y(601);
    for (int i = 0; i < 600; ++i)
        y[i] = float(f(i / 600.0 - 0.5));
    return y;
}

std::complex<double> X(const Spektrum& s, int k) { return {s.re(k), -s.im(k)}; }

std::vector<TBod> body(const TGraf* g) { return {g->sloty().begin(), g->sloty().begin() + g->PocetBodu()}; }
} // namespace

class TestDtft : public QObject {
    Q_OBJECT
private slots:
    // A unit pulse sampled N times is N ones: the Dirichlet kernel
    // |X(w)| = |sin(N w / 2) / sin(w / 2)|, N at the multiples of 2 pi and
    // zero at 2 pi m / N otherwise; the phase is the linear -(N - 1) w / 2.
    void dirichlet_data()
    {
        QTest::addColumn<int>("N");
        for (int N : {2, 3, 7, 10, 20})
            QTest::addRow("N=%d", N) << N;
    }
    void dirichlet()
    {
        QFETCH(int, N);
        const auto x = vzorkuj(pulz([](double) { return 1.0; }), 600, N);
        QCOMPARE(int(x.size()), N + 1);
        QCOMPARE(x.back(), 0.f);
        for (int n = 0; n < N; ++n)
            QCOMPARE(x[n], 1.f);
        const Spektrum s = koeficienty(x);
        for (int k = -MaxK; k <= MaxK; ++k) {
            const double w = double(omega(k)), sw = std::sin(w / 2);
            const double ocekavano = std::abs(sw) < 1e-12 ? N : std::abs(std::sin(N * w / 2) / sw);
            QVERIFY2(std::abs(std::abs(X(s, k)) - ocekavano) < 1e-5 * N, qPrintable(QString::number(k)));
            const std::complex<double> c = std::polar(1.0, -(N - 1) * w / 2) * std::sin(N * w / 2) / sw;
            if (std::abs(sw) > 1e-12)
                QVERIFY(std::abs(X(s, k) - c) < 1e-5 * N);
            if (k + KrokuNaPeriodu <= MaxK) // period 2 pi, exactly
                QVERIFY(s.re(k) == s.re(k + KrokuNaPeriodu) && s.im(k) == s.im(k + KrokuNaPeriodu));
        }
        // N = 10: |X(0)| = 10 and zeros at 2 pi m / 10 (k = 20 m)
        if (N == 10) {
            QVERIFY(std::abs(std::abs(X(s, 0)) - 10) < 1e-5);
            for (int m = 1; m < 10; ++m)
                QVERIFY(std::abs(X(s, 20 * m)) < 1e-5 && std::abs(X(s, -20 * m)) < 1e-5);
        }
    }

    // The whole period 0 <= w < 2 pi gives the samples back exactly, and
    // zero between the pulses; a narrower band gives the partial integral.
    void rekonstrukceCelehoPasma_data()
    {
        QTest::addColumn<int>("N");
        for (int N : {2, 5, 10, 20})
            QTest::addRow("N=%d", N) << N;
    }
    void rekonstrukceCelehoPasma()
    {
        QFETCH(int, N);
        const auto x = vzorkuj(pulz([](double t) { return std::cos(3 * t) - t; }), 600, N);
        const Spektrum s = koeficienty(x);
        for (int n = -N; n <= 2 * N; ++n) {
            const double ocekavano = (n >= 0 && n < N) ? x[n] : 0.0;
            QVERIFY2(std::abs(hodnota(s, MaxStupen, n) - ocekavano) < 1e-5, qPrintable(QString::number(n)));
            QCOMPARE(hodnota(s, MaxStupen, n), hodnota(s, MaxStupen - 1, n));
        }
        // P = 0: the single term Re[0] / 200 everywhere
        for (int n : {-3, 0, 4})
            QVERIFY(std::abs(hodnota(s, 0, n) - s.re(0) / 200.0) < 1e-9);
        // P = 100 (0 ... pi): half of the band; for real x that is
        // x[n] / 2 plus the odd part, compared with the integral's rectangle rule
        for (int n = 0; n < N; ++n) {
            double r = 0;
            for (int k = 0; k <= 100; ++k)
                r += std::real(X(s, k) * std::polar(1.0, double(omega(k)) * n)) / 200;
            QVERIFY(std::abs(hodnota(s, 100, n) - r) < 1e-5);
        }
    }

    // The stems of the reconstruction: n = round(-N / 2) ... round(1.5 N) at
    // t = n / N - 0.5.
    void rekonstrukceBody()
    {
        const auto x = vzorkuj(pulz([](double) { return 1.0; }), 600, 5);
        const auto b = rekonstrukce(koeficienty(x), MaxStupen, 5);
        // round(-2.5) = -2, round(7.5) = 8
        QCOMPARE(int(b.size()), 3 * 11);
        QVERIFY(std::abs(b[0].x - (-2 / 5.0 - 0.5)) < 1e-6 && std::abs(b.back().x - (8 / 5.0 - 0.5)) < 1e-6);
        for (int i = 0; i < 11; ++i) {
            const int n = i - 2;
            QVERIFY(b[3 * i].Styl == 0 && b[3 * i + 1].Styl == 1 && b[3 * i + 2].Styl == -1);
            QVERIFY(std::abs(b[3 * i + 1].y - ((n >= 0 && n < 5) ? 1 : 0)) < 1e-5);
        }
    }

    // The spectrum curves: period lines at 0, +-2 pi, +-4 pi, a move, then
    // the 801 frequencies, blue for 0 <= k <= P.
    void spektrum_data()
    {
        QTest::addColumn<int>("P");
        QTest::addColumn<int>("modrych");
        QTest::newRow("P=0") << 0 << 1;
        QTest::newRow("P=57") << 57 << 58;
        QTest::newRow("P=200") << 200 << 201;
    }
    void spektrum()
    {
        QFETCH(int, P);
        QFETCH(int, modrych);
        const auto x = vzorkuj(pulz([](double t) { return t + 0.5; }), 600, 10);
        const Spektrum s = koeficienty(x);
        const auto m = modul(s, P), f = faze(s, P);
        QCOMPARE(int(m.size()), 11 + PocetFrekvenci);
        QCOMPARE(int(f.size()), 11 + PocetFrekvenci);
        for (int j = 0; j < 5; ++j) {
            const float x0 = float(2 * Pi * (j - 2));
            QVERIFY(m[2 * j].Styl == 0 && m[2 * j + 1].Styl == 201 && m[2 * j].x == x0 && m[2 * j + 1].y == 100);
            QVERIFY(f[2 * j].y == -500 && f[2 * j + 1].y == 500);
        }
        QVERIFY(m[10].Styl == 0 && m[10].x == -1000);
        int modre = 0;
        for (int i = 0; i < PocetFrekvenci; ++i) {
            const int k = i - MaxK;
            const TBod &a = m[11 + i], &p = f[11 + i];
            QVERIFY(a.Styl == p.Styl && a.x == p.x);
            QVERIFY(a.Styl == ((k >= 0 && k <= P) ? 2 : 6));
            modre += a.Styl == 2;
            QVERIFY(std::abs(a.y - std::abs(X(s, k))) < 1e-5);
            QCOMPARE(p.y, float(fazeStupne(s.re(k), s.im(k))));
        }
        QCOMPARE(modre, modrych);
    }

    // The phase is the angle of X = Re - j Im, and 0 where round(10 |X|) = 0.
    void fazeKvantovana_data()
    {
        QTest::addColumn<float>("re");
        QTest::addColumn<float>("im");
        QTest::addColumn<double>("stupne");
        QTest::newRow("kladne realne") << 3.f << 0.f << 0.0;
        QTest::newRow("zaporne realne") << -3.f << 0.f << 180.0;
        QTest::newRow("zaporne realne, -0") << -3.f << -0.f << 180.0;
        QTest::newRow("-j") << 0.f << 2.f << -90.0;
        QTest::newRow("+j") << 0.f << -2.f << 90.0;
        QTest::newRow("1 - j") << 1.f << 1.f << -45.0;
        QTest::newRow("|X| = 0.04") << 0.f << 0.04f << 0.0;
        QTest::newRow("|X| = 0.06") << 0.f << 0.06f << -90.0;
        QTest::newRow("nula") << 0.f << 0.f << 0.0;
    }
    void fazeKvantovana()
    {
        QFETCH(float, re);
        QFETCH(float, im);
        QFETCH(double, stupne);
        QVERIFY(std::abs(fazeStupne(re, im) - stupne) < 1e-9);
    }

    // The input graph: the pulse between zeros (3 M blue points), zero
    // circles, N + 1 stems on -0.5 ... 0.5 (the last of height 0), zero circles.
    void vstupniGraf()
    {
        const auto y = pulz([](double t) { return 1 - std::abs(t); });
        const int N = 4;
        const auto x = vzorkuj(y, 600, N);
        const auto b = vstup(y, 600, x);
        QCOMPARE(int(b.size()), 1800 + N + 3 * (N + 1) + N - 1);
        QVERIFY(b[0].Styl == 2 && b[0].x == -1.5f && b[0].y == 0);
        QVERIFY(b[600].x == -0.5f && b[600].y == y[0] && b[1199].y == y[599] && b[1200].y == 0);
        QVERIFY(std::abs(b[1799].x - (300 + 599) / 600.0) < 1e-6);
        for (int i = 0; i < N; ++i)
            QVERIFY(b[1800 + i].Styl == -1 && b[1800 + i].y == 0 && b[1800 + i].x == float(-1.5 + i / 4.0));
        for (int n = 0; n <= N; ++n) {
            const TBod* st = &b[1800 + N + 3 * n];
            QVERIFY(st[1].Styl == 1 && st[1].x == float(n / 4.0 - 0.5) && st[1].y == x[n]);
        }
        QCOMPARE(b[1800 + N + 3 * N + 1].y, 0.f); // sample N at t = 0.5
        QCOMPARE(b.back().x, float(0.5 + (N - 1) / 4.0));
    }

    void popisky()
    {
        const QChar s = vorta::desetinnyOddelovac();
        QCOMPARE(popisStupne(200), QStringLiteral("=6") + s + QStringLiteral("28"));
        QCOMPARE(popisStupne(0), QStringLiteral("=0") + s + QStringLiteral("00"));
        QCOMPARE(popisStupne(100), QStringLiteral("=3") + s + QStringLiteral("14"));
        QCOMPARE(popisStupne(1), QStringLiteral("=0") + s + QStringLiteral("03"));
        QCOMPARE(popisVzorku(10), QStringLiteral("vz=10"));
    }

    // The window with a unit pulse and N = 10: |X(0)| = 10, zeros at
    // 2 pi m / 10, the curve repeating every 2 pi; the full band gives the
    // ten ones back and zeros around them.
    void oknoPulz()
    {
        TDTFT okno;
        okno.predejSignal(std::vector<double>(600, 1.0));
        QCOMPARE(okno.findChild<QScrollBar*>("vzorku")->value(), 10);
        QCOMPARE(okno.findChild<QLabel*>("vzorecku")->text(), QStringLiteral("vz=10"));
        const QChar sep = vorta::desetinnyOddelovac();
        QCOMPARE(okno.findChild<QLabel*>("harmonickych")->text(), QStringLiteral("=6") + sep + QStringLiteral("28"));
        QCOMPARE(okno.findChild<QLabel*>("Label1")->text(), QStringLiteral("ω"));
        const auto a = body(okno.findChild<TGraf*>("an"));
        QCOMPARE(int(a.size()), 11 + PocetFrekvenci);
        for (int j = 0; j < 5; ++j)
            QVERIFY(a[2 * j + 1].Styl == 201 && std::abs(a[2 * j + 1].x - 2 * Pi * (j - 2)) < 1e-5);
        const TBod* krivka = &a[11];
        QVERIFY(std::abs(krivka[MaxK].y - 10) < 1e-5 && krivka[MaxK].Styl == 2);
        for (int m = -20; m <= 20; ++m)
            if (m % 10)
                QVERIFY(std::abs(krivka[MaxK + 20 * m].y) < 1e-5);
        for (const TBod& b : body(okno.findChild<TGraf*>("obraz")))
            if (b.Styl == 1) {
                const bool uvnitr = b.x > -0.51 && b.x < 0.41;
                QVERIFY2(std::abs(b.y - (uvnitr ? 1 : 0)) < 1e-5, qPrintable(QString::number(b.x)));
            }
        // P = 0: the read-out 0,00, every stem Re[0] / 200 = 10 / 200, only w = 0 blue
        okno.findChild<QScrollBar*>("stupen")->setValue(0);
        QCOMPARE(okno.findChild<QLabel*>("harmonickych")->text(), QStringLiteral("=0") + sep + QStringLiteral("00"));
        for (const TBod& b : body(okno.findChild<TGraf*>("obraz")))
            if (b.Styl == 1)
                QVERIFY(std::abs(b.y - 0.05) < 1e-6);
        const auto f = body(okno.findChild<TGraf*>("bn"));
        for (int i = 11; i < int(f.size()); ++i)
            QCOMPARE(f[i].Styl, i - 11 == MaxK ? 2 : 6);
    }

    // A dropped graph from -2 to 2 is cut to the pulse: records with
    // |x| > 0.5 arrive as 0, also where they stand inside the interval
    // because the records are not sorted by x.
    void pretazeniOriznuto()
    {
        TGraf zdroj;
        for (int i = -200; i <= 200; ++i)
            zdroj.PridejBod(2, i / 100.0, 1 + i / 100.0);
        TDTFT okno;
        okno.originDragDrop(&zdroj);
        const auto o = body(okno.findChild<TGraf*>("origin"));
        for (int i = 0; i < 3 * 100; ++i) // M = 100 samples of -0.5 ... 0.5
            QVERIFY(std::abs(o[i].y - ((i >= 100 && i < 200) ? 1 + (i - 150) / 100.0 : 0)) < 1e-6);
        const auto x = okno.posloupnost();
        for (int n = 0; n < 10; ++n)
            QVERIFY(std::abs(x[n] - (0.5 + n / 10.0)) < 1e-6);

        TGraf neserazeny; // -0.5, then -0.9 (cut to 0), then on to 0.5
        neserazeny.PridejBod(2, -0.5, 1);
        neserazeny.PridejBod(2, -0.9, 7);
        for (int i = 2; i <= 10; ++i)
            neserazeny.PridejBod(2, -0.5 + i / 10.0, 1);
        okno.originDragDrop(&neserazeny);
        okno.findChild<QScrollBar*>("vzorku")->setValue(10); // M = 10: x[n] = sample n
        QCOMPARE(okno.posloupnost()[1], 0.f);
        QCOMPARE(okno.posloupnost()[2], 1.f);
    }
};
VORTA_TEST(TestDtft)
#include "test_dtft.moc"
