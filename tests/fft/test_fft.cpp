#include "VortaPomoc.h"
#include "VortaTest.h"

#include "fft/fft.h"
#include "fft/spektrum.h"
#include "fft/tok.h"

#include <cfloat>
#include <cmath>
#include <complex>
#include <random>

using namespace fft;

class TestFFT : public QObject {
    Q_OBJECT
private slots:
    // komplexni: signs of the imaginary part, the polar form, overflowed parts.
    void komplexniTexty_data()
    {
        QTest::addColumn<float>("re");
        QTest::addColumn<float>("im");
        QTest::addColumn<bool>("polarne");
        QTest::addColumn<QString>("tecka"); // with the decimal point; the comma gives the same with a comma
        QTest::newRow("-0 takes +") << 1.0f << -0.0f << false << "1.00 + j0.00";
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
        QCOMPARE(komplexni({re, im}, polarne, u','), tecka.replace(u'.', u','));
    }

    // The graph's own numbers and the spectrum's stems for samples 1, 2, 3, 4.
    void prikladyN4()
    {
        const Tok t = spocitej({1, 2, 3, 4});
        QCOMPARE(t.L, 2);
        QList<float> poradi;
        QStringList hodnoty;
        for (int k = 0; k < 4; ++k) {
            poradi << t.poradi[k].re;
            hodnoty << komplexni(t.etapy[1].A[k], false, u'.');
        }
        QCOMPARE(poradi, (QList<float>{1, 3, 2, 4})); // bit-reversed
        QCOMPARE(hodnoty, (QStringList{"10.00 + j0.00", "-2.00 + j2.00", "-2.00 + j0.00", "-2.00 - j2.00"}));
        const fftspektrum::Spektrum s = fftspektrum::spocitej(t.etapy.back().A, u'.');
        QCOMPARE(int(s.stonky.size()), 4);
        const float velikosti[] = {10, 2.828427f, 2, 2.828427f};
        const float faze[] = {0, 135, 180, -135};
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(s.stonky[k].k, k);
            QVERIFY(std::abs(s.stonky[k].velikost - velikosti[k]) < 1e-5f);
            QVERIFY2(std::abs(s.stonky[k].faze - faze[k]) < 1e-4f, qPrintable(QString::number(s.stonky[k].faze)));
        }
    }

    // The graph's transform against a direct DFT, for every size it can show
    // and the two-point one: catches a wrong bit reversal or twiddle.
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
        for (float& v : x)
            soucet += std::abs(v = u(g));
        const auto X = vortatest::dftPrimo(x.data(), N);
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
        QCOMPARE(x, (std::vector<float>{std::numeric_limits<float>::infinity(), 1, 0, 0}));
        const Tok t = spocitej(x);
        const TextyToku tx = texty(t, {"1e39", "1", "abc", ""}, false, Zobrazeni{true, true, true, true, true}, u'.');
        QVERIFY(tx.hodnoty[1][0].contains("INF") || tx.hodnoty[1][0].contains("NAN"));
        QCOMPARE(tx.vstupniHodnoty[2], QStringLiteral(" = abc"));
        const fftspektrum::Spektrum s = fftspektrum::spocitej(t.etapy.back().A, u'.');
        QVERIFY(!s.neKonecne.isEmpty() && std::isfinite(s.yMax));
        QCOMPARE(int(s.stonky.size()) + s.neKonecne.size(), 4);
    }
};

VORTA_TEST(TestFFT)
#include "test_fft.moc"
