#include "VortaTest.h"

#include "fft/fft.h"
#include "fft/spektrum.h"
#include "fft/tok.h"

#include <cfloat>
#include <cmath>
#include <complex>
#include <numbers>
#include <random>

using namespace fft;

namespace {

// The direct DFT in double precision, the reference of every check.
std::vector<std::complex<double>> dftPrimo(const std::vector<float>& x)
{
    const int N = int(x.size());
    std::vector<std::complex<double>> X(N);
    for (int k = 0; k < N; ++k)
        for (int n = 0; n < N; ++n)
            X[k] += double(x[n]) * std::polar(1.0, -2 * std::numbers::pi * double((long long)n * k % N) / N);
    return X;
}

QStringList textyHodnot(const Tok& t, int s, QChar odd)
{
    QStringList v;
    for (const Komplex& c : t.etapy[s].A)
        v << komplexni(c, false, odd);
    return v;
}

} // namespace

class TestFFT : public QObject {
    Q_OBJECT
private slots:
    void obraceniABinarne()
    {
        const QList<int> obracene{0, 4, 2, 6, 1, 5, 3, 7};
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(obratit(i, 3), obracene[i]);
            QCOMPARE(binarne(i, 3), QString::number(i, 2).rightJustified(3, u'0'));
        }
        QCOMPARE(obratit(3, 10), 768);
    }

    // komplexni: signs of the imaginary part, the polar form, overflowed parts.
    void komplexniTexty_data()
    {
        QTest::addColumn<float>("re");
        QTest::addColumn<float>("im");
        QTest::addColumn<bool>("polarne");
        QTest::addColumn<QString>("tecka");
        QTest::newRow("-0 takes +") << 1.0f << -0.0f << false << "1.00 + j0.00";
        QTest::newRow("W(1,8)") << 0.70710677f << -0.70710677f << false << "0.71 - j0.71";
        QTest::newRow("polar 135") << -2.0f << 2.0f << true << "2.83 135.00°";
        QTest::newRow("polar -180 is 180") << -2.0f << -0.0f << true << "2.00 180.00°";
        QTest::newRow("large: scientific") << 123456789.0f << 0.0f << false << "1.2345679E08 + j0.00";
        QTest::newRow("undefined") << std::numeric_limits<float>::quiet_NaN() << 1.0f << false << "NAN + j1.00";
        QTest::newRow("undefined polar") << std::numeric_limits<float>::quiet_NaN() << 0.0f << true << "NAN NAN°";
    }
    void komplexniTexty()
    {
        QFETCH(float, re);
        QFETCH(float, im);
        QFETCH(bool, polarne);
        QFETCH(QString, tecka);
        QCOMPARE(komplexni({re, im}, polarne, u'.'), tecka);
        QString carka = tecka;
        carka.replace(u'.', u',');
        QCOMPARE(komplexni({re, im}, polarne, u','), carka);
    }

    // The graph's own numbers and the spectrum's stems for samples 1, 2, 3, 4.
    void prikladyN4()
    {
        const Tok t = spocitej({1, 2, 3, 4});
        QCOMPARE(t.L, 2);
        QList<float> poradi;
        for (const Komplex& c : t.poradi)
            poradi << c.re;
        QCOMPARE(poradi, (QList<float>{1, 3, 2, 4}));
        QCOMPARE(textyHodnot(t, 1, u'.'),
                 (QStringList{"10.00 + j0.00", "-2.00 + j2.00", "-2.00 + j0.00", "-2.00 - j2.00"}));
        const fftspektrum::Spektrum s = fftspektrum::spocitej(t.etapy.back().A, u'.');
        QCOMPARE(int(s.stonky.size()), 4);
        const float velikosti[] = {10, 2.828427f, 2, 2.828427f};
        const float faze[] = {0, 135, 180, -135};
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(s.stonky[k].k, k);
            QVERIFY(std::abs(s.stonky[k].velikost - velikosti[k]) < 1e-5f);
            QVERIFY2(std::abs(s.stonky[k].faze - faze[k]) < 1e-4f, qPrintable(QString::number(s.stonky[k].faze)));
        }
        QCOMPARE(s.yMax, 11.0);
        QCOMPARE(s.yMin, -1.0);
        QCOMPARE(fftspektrum::spocitej(std::vector<Komplex>(8), u'.').yMax, 1.1);
    }

    // Closed-form transforms of the graph's computation.
    void uzavrenyTvar_data()
    {
        QTest::addColumn<int>("N");
        for (int N : {4, 16, 128, 1024})
            QTest::addRow("N=%d", N) << N;
    }
    void uzavrenyTvar()
    {
        QFETCH(int, N);
        const float tol = 1e-5f * N;
        // impulse: flat spectrum
        std::vector<float> x(N, 0.0f);
        x[0] = 1;
        const Tok impuls = spocitej(x);
        for (const Komplex& c : impuls.etapy.back().A) {
            QCOMPARE(c.re, 1.0f);
            QCOMPARE(c.im, 0.0f);
        }
        // cosine of bin m: N/2 in bins m and N - m
        const int m = std::max(1, N / 4 - 1);
        for (int n = 0; n < N; ++n)
            x[n] = float(std::cos(2 * std::numbers::pi * m * n / N));
        const std::vector<Komplex> S = spocitej(x).etapy.back().A;
        for (int k = 0; k < N; ++k) {
            const double ocek = (k == m || k == N - m) ? N / 2.0 : 0.0;
            QVERIFY2(std::abs(S[k].re - ocek) <= tol && std::abs(S[k].im) <= tol, qPrintable(QString::number(k)));
        }
    }

    // The graph's transform against a direct DFT, for every size it can show
    // and the two-point one.
    void protiPrimeDFT_data()
    {
        QTest::addColumn<int>("N");
        for (int N = 2; N <= 1024; N *= 2)
            QTest::addRow("N=%d", N) << N;
    }
    void protiPrimeDFT()
    {
        QFETCH(int, N);
        std::mt19937 g(N);
        std::uniform_real_distribution<float> u(-1, 1);
        std::vector<float> x(N);
        double soucet = 0;
        for (float& v : x) {
            v = u(g);
            soucet += std::abs(v);
        }
        const auto X = dftPrimo(x);
        const auto S = spocitej(x).etapy.back().A;
        const double tol = soucet * FLT_EPSILON * (log2N(N) + 1) * 2;
        for (int k = 0; k < N; ++k)
            QVERIFY2(std::abs(std::complex<double>(S[k].re, S[k].im) - X[k]) <= tol,
                     qPrintable(QStringLiteral("k=%1").arg(k)));
    }

    // A value beyond single precision spreads as infinity and NaN without
    // any undefined step, and every text names it.
    void preteceni()
    {
        const std::vector<float> x = hodnotyTextu({"1e39", "1", "abc", ""}, u'.');
        QCOMPARE(x[0], std::numeric_limits<float>::infinity());
        QCOMPARE(x[2], 0.0f);
        QCOMPARE(x[3], 0.0f);
        const Tok t = spocitej(x);
        const TextyToku tx = texty(t, {"1e39", "1", "abc", ""}, false, Zobrazeni{true, true, true, true, true}, u'.');
        QVERIFY(tx.hodnoty[1][0].contains("INF") || tx.hodnoty[1][0].contains("NAN"));
        QCOMPARE(tx.vstupniHodnoty[2], QStringLiteral(" = abc"));
        const fftspektrum::Spektrum s = fftspektrum::spocitej(t.etapy.back().A, u'.');
        QVERIFY(!s.neKonecne.isEmpty());
        QVERIFY(std::isfinite(s.yMax));
        QCOMPARE(int(s.stonky.size()) + s.neKonecne.size(), 4);
    }
};

VORTA_TEST(TestFFT)
#include "test_fft.moc"
