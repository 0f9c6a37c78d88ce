#include "VortaTest.h"

#include "analysis/TDFT.h"
#include "analysis/dft.h"
#include "graf/TGraf.h"

#include <QLabel>
#include <QScrollBar>
#include "core/cisla.h"

#include <cmath>
#include <complex>
#include <map>
#include <numbers>

using namespace dft;

namespace {

constexpr double Pi = std::numbers::pi;

std::complex<double> X(const Spektrum& s, int m) { return {s.re(m), -s.im(m)}; }

// The definition, summed directly in complex arithmetic.
std::complex<double> primo(const std::vector<float>& x, int m)
{
    std::complex<double> s = 0;
    const int N = int(x.size());
    for (int n = 0; n < N; ++n)
        s += double(x[n]) * std::polar(1.0, -2 * Pi * m * n / N);
    return s;
}

std::vector<float> rada(int N, auto f)
{
    std::vector<float> x(N);
    for (int n = 0; n < N; ++n)
        x[n] = float(f(n));
    return x;
}

std::vector<TBod> body(const TGraf* g) { return {g->sloty().begin(), g->sloty().begin() + g->PocetBodu()}; }

// Where the red period lines of a spectrum graph stand.
QList<int> periody(const TGraf* g)
{
    QList<int> x;
    for (const TBod& b : body(g))
        if (b.Styl == 201)
            x.append(int(std::lround(b.x)));
    return x;
}
} // namespace

class TestDft : public QObject {
    Q_OBJECT
private slots:
    // Sampling picks y[round(n M / N)] with halves to the even index; y[i] = i
    // shows which index was taken.
    void vzorkovani_data()
    {
        QTest::addColumn<int>("M");
        QTest::addColumn<int>("N");
        QTest::addColumn<QList<int>>("indexy");
        QTest::newRow("600/20") << 600 << 20 << QList<int>{0, 30, 60, 90};
        // 37.5, 112.5, 187.5 round to 38, 112, 188
        QTest::newRow("600/16") << 600 << 16 << QList<int>{0, 38, 75, 112, 150, 188};
        QTest::newRow("5/2: 2.5 -> 2") << 5 << 2 << QList<int>{0, 2};
        QTest::newRow("7/2: 3.5 -> 4") << 7 << 2 << QList<int>{0, 4};
        // 600 / 7 = 85.714...: 85.7, 171.4, 257.1, 342.9, 428.6, 514.3
        QTest::newRow("600/7") << 600 << 7 << QList<int>{0, 86, 171, 257, 343, 429, 514};
        // fewer samples than N: indices repeat
        QTest::newRow("3/8") << 3 << 8 << QList<int>{0, 0, 1, 1, 2, 2, 2, 3};
    }
    void vzorkovani()
    {
        QFETCH(int, M);
        QFETCH(int, N);
        QFETCH(QList<int>, indexy);
        std::vector<float> y(M + 1);
        for (int i = 0; i <= M; ++i)
            y[i] = float(i);
        const std::vector<float> x = vzorkuj(y, M, N, N);
        QCOMPARE(int(x.size()), N);
        for (int n = 0; n < indexy.size(); ++n)
            QCOMPARE(x[n], float(indexy[n]));
    }

    // A missing or non-finite sample reads as 0; nonsense counts give nothing.
    void vzorkovaniSpatnychVstupu()
    {
        const float nan = std::nanf(""), inf = INFINITY;
        const std::vector<float> y{1, nan, inf, -inf, 5};
        QCOMPARE(vzorkuj(y, 4, 4, 4), (std::vector<float>{1, 0, 0, 0}));
        QCOMPARE(vzorkuj(y, 40, 4, 4), (std::vector<float>{1, 0, 0, 0})); // indices 10, 20, 30 beyond y
        QVERIFY(vzorkuj(y, 4, 0, 0).empty());
        QVERIFY(vzorkuj({}, 0, 3, 3) == (std::vector<float>{0, 0, 0}));
    }

    // Closed forms: a constant gives N at every multiple of N; a cosine of
    // amplitude A, harmonic q and phase phi gives (A N / 2) e^{+-j phi} at
    // m = +-q and their repetitions, and nothing elsewhere.
    void kosinus_data()
    {
        QTest::addColumn<int>("N");
        QTest::addColumn<int>("q");
        QTest::addColumn<double>("A");
        QTest::addColumn<double>("phi");
        QTest::newRow("konstanta N=20") << 20 << 0 << 1.0 << 0.0;
        QTest::newRow("konstanta N=3") << 3 << 0 << -0.5 << 0.0;
        QTest::newRow("cos 1 N=20") << 20 << 1 << 1.0 << 0.0;
        QTest::newRow("sin 1 N=20") << 20 << 1 << 1.0 << -Pi / 2;
        QTest::newRow("cos 3 N=7 faze") << 7 << 3 << 0.8 << 1.0;
        QTest::newRow("cos 5 N=16 faze") << 16 << 5 << 1.2 << -2.5;
        QTest::newRow("cos 7 N=40") << 40 << 7 << 1.0 << 0.3;
    }
    void kosinus()
    {
        QFETCH(int, N);
        QFETCH(int, q);
        QFETCH(double, A);
        QFETCH(double, phi);
        const auto x = rada(N, [&](int n) { return A * std::cos(2 * Pi * q * n / N + phi); });
        const Spektrum s = koeficienty(x);
        for (int m = -MaxHarmonicka; m <= MaxHarmonicka; ++m) {
            std::complex<double> c = 0;
            const int r = ((m % N) + N) % N;
            if (r == q % N)
                c += A * N / 2 * std::polar(1.0, phi);
            if (r == (N - q) % N)
                c += A * N / 2 * std::polar(1.0, -phi);
            QVERIFY2(std::abs(X(s, m) - c) < 2e-5 * N, qPrintable(QString::number(m)));
            // the table of angles makes the repetition exact
            if (m + N <= MaxHarmonicka)
                QVERIFY(s.re(m) == s.re(m + N) && s.im(m) == s.im(m + N));
        }
    }

    // Any sequence against the definition, and Parseval:
    // sum over one period of |X[m]|^2 = N sum |x[n]|^2.
    void definiceAParseval_data()
    {
        QTest::addColumn<int>("N");
        for (int N : {2, 3, 10, 17, 40})
            QTest::addRow("N=%d", N) << N;
    }
    void definiceAParseval()
    {
        QFETCH(int, N);
        const auto x = rada(N, [](int n) { return std::sin(1.7 * n * n + 0.3) - 0.2 * (n % 3); });
        const Spektrum s = koeficienty(x);
        double energie = 0, spektralne = 0;
        for (float v : x)
            energie += double(v) * v;
        for (int m = -MaxHarmonicka; m <= MaxHarmonicka; ++m) {
            QVERIFY(std::abs(X(s, m) - primo(x, m)) < 1e-5 * N);
            if (m >= 0 && m < N)
                spektralne += std::norm(X(s, m));
        }
        QVERIFY(std::abs(spektralne - N * energie) < 1e-5 * N * N);
    }

    // The reconstruction scroll bar: at its maximum it follows N - 1, elsewhere
    // it stays unless the new maximum is lower.
    void stupen_data()
    {
        QTest::addColumn<int>("pozice");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("N");
        QTest::addColumn<int>("novaPozice");
        QTest::newRow("vse, N dolu") << 19 << 19 << 10 << 9;
        QTest::newRow("vse, N nahoru") << 9 << 9 << 20 << 19;
        QTest::newRow("cast, N nahoru") << 5 << 9 << 20 << 5;
        QTest::newRow("cast, N dolu pod P") << 15 << 19 << 10 << 9;
        QTest::newRow("cast, N dolu nad P") << 5 << 19 << 10 << 5;
        QTest::newRow("nic") << -1 << 19 << 2 << -1;
        QTest::newRow("navrh 40 na 20") << 40 << 40 << 20 << 19;
    }
    void stupen()
    {
        QFETCH(int, pozice);
        QFETCH(int, maximum);
        QFETCH(int, N);
        QFETCH(int, novaPozice);
        const Stupen s = upravStupen(pozice, maximum, N);
        QCOMPARE(s.maximum, N - 1);
        QCOMPARE(s.pozice, novaPozice);
    }

    void popisky()
    {
        QCOMPARE(popisVzorku(20), QStringLiteral("vz=20"));
        QCOMPARE(popisVzorku(2), QStringLiteral("vz=2"));
        QCOMPARE(popisStupne(19), QStringLiteral("n=20"));
        QCOMPARE(popisStupne(-1), QStringLiteral("n=0"));
    }

    // The window with a constant 1: |X| = N at the multiples of N, 0
    // elsewhere, red period lines at the multiples of N within -40 ... 40,
    // and P = N - 1 rebuilding the ones (the reconstruction divides by N).
    void oknoKonstanta_data()
    {
        QTest::addColumn<int>("N");
        QTest::addColumn<QList<int>>("cary");
        QTest::newRow("N=20") << 20 << QList<int>{-40, -20, 0, 20, 40};
        QTest::newRow("N=16") << 16 << QList<int>{-32, -16, 0, 16, 32};
        QList<int> tri;
        for (int j = -13; j <= 13; ++j)
            tri.append(3 * j);
        QTest::newRow("N=3: 27 car") << 3 << tri;
    }
    void oknoKonstanta()
    {
        QFETCH(int, N);
        QFETCH(QList<int>, cary);
        TDFT okno;
        okno.predejSignal(std::vector<double>(600, 1.0));
        okno.findChild<QScrollBar*>("vzorku")->setValue(N);
        QCOMPARE(okno.findChild<QScrollBar*>("stupen")->value(), N - 1);
        QCOMPARE(okno.findChild<QLabel*>("vzorecku")->text(), QStringLiteral("vz=") + QString::number(N));
        const TGraf* an = okno.findChild<TGraf*>("an");
        QCOMPARE(periody(an), cary);
        QCOMPARE(periody(okno.findChild<TGraf*>("bn")), cary);
        int stonku = 0;
        for (const TBod& b : body(an))
            if (b.Styl == 2 || b.Styl == 6) {
                const int m = int(std::lround(b.x));
                QVERIFY2(std::abs(b.y - (m % N == 0 ? N : 0)) < 1e-4, qPrintable(QString::number(m)));
                ++stonku;
            }
        QCOMPARE(stonku, 81);
        for (const TBod& b : body(okno.findChild<TGraf*>("obraz")))
            if (b.Styl == 1)
                QVERIFY(std::abs(b.y - 1) < 1e-5);
        // origin: the interval once between zeros, the samples as stems
        const auto o = body(okno.findChild<TGraf*>("origin"));
        QVERIFY(o[599].y == 0 && o[600].y == 1 && o[1199].y == 1 && o[1200].y == 0);
    }

    // P = -1 draws zero stems and a grey spectrum; the read-out counts 0.
    void oknoBezHarmonickych()
    {
        TDFT okno;
        okno.predejSignal(std::vector<double>(600, 1.0));
        okno.findChild<QScrollBar*>("stupen")->setValue(-1);
        QCOMPARE(okno.findChild<QLabel*>("harmonickych")->text(), QStringLiteral("n=0"));
        for (const TBod& b : body(okno.findChild<TGraf*>("obraz")))
            QCOMPARE(b.y, 0.f);
        for (const TBod& b : body(okno.findChild<TGraf*>("an")))
            QVERIFY(b.Styl != 2 && b.Styl != -2);
    }
};
VORTA_TEST(TestDft)
#include "test_dft.moc"
