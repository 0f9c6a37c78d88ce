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
    void obraceniABinarne_data()
    {
        QTest::addColumn<int>("L");
        QTest::addColumn<QList<int>>("obracene");
        QTest::addColumn<QStringList>("binarni");
        QTest::newRow("N=4") << 2 << QList<int>{0, 2, 1, 3} << QStringList{"00", "01", "10", "11"};
        QTest::newRow("N=8") << 3 << QList<int>{0, 4, 2, 6, 1, 5, 3, 7}
                             << QStringList{"000", "001", "010", "011", "100", "101", "110", "111"};
    }
    void obraceniABinarne()
    {
        QFETCH(int, L);
        QFETCH(QList<int>, obracene);
        QFETCH(QStringList, binarni);
        for (int i = 0; i < (1 << L); ++i) {
            QCOMPARE(obratit(i, L), obracene[i]);
            QCOMPARE(binarne(i, L), binarni[i]);
            QCOMPARE(obratit(obratit(i, L), L), i);
        }
        QCOMPARE(obratit(1, 10), 512);
        QCOMPARE(obratit(3, 10), 768);
    }

    void partneri()
    {
        QCOMPARE(partner(5, 0), 4);
        QCOMPARE(partner(4, 0), 5);
        QCOMPARE(partner(1, 2), 5);
        QCOMPARE(partner(6, 2), 2);
        QCOMPARE(partner(0, 9), 512);
    }

    // komplexni: signs of the imaginary part, the polar form, overflowed parts.
    void komplexniTexty_data()
    {
        QTest::addColumn<float>("re");
        QTest::addColumn<float>("im");
        QTest::addColumn<bool>("polarne");
        QTest::addColumn<QString>("tecka");
        QTest::newRow("-0 takes +") << 1.0f << -0.0f << false << "1.00 + j0.00";
        QTest::newRow("-0.001 takes -") << 1.0f << -0.001f << false << "1.00 - j0.00";
        QTest::newRow("W(1,8)") << 0.70710677f << -0.70710677f << false << "0.71 - j0.71";
        QTest::newRow("negative real") << -2.0f << 2.0f << false << "-2.00 + j2.00";
        QTest::newRow("polar -45") << 0.70710677f << -0.70710677f << true << "1.00 -45.00°";
        QTest::newRow("polar 135") << -2.0f << 2.0f << true << "2.83 135.00°";
        QTest::newRow("polar -180 is 180") << -2.0f << -0.0f << true << "2.00 180.00°";
        QTest::newRow("polar zero") << 0.0f << 0.0f << true << "0.00 0.00°";
        QTest::newRow("large: scientific") << 123456789.0f << 0.0f << false << "1.2345679E08 + j0.00";
        QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << -std::numeric_limits<float>::infinity()
                                  << false << "INF - jINF";
        QTest::newRow("undefined") << std::numeric_limits<float>::quiet_NaN() << 1.0f << false << "NAN + j1.00";
        QTest::newRow("infinite polar") << std::numeric_limits<float>::infinity() << 0.0f << true << "INF 0.00°";
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

    void jednoduchaPresnost()
    {
        QCOMPARE(jednoducha(0.1L), 0.1f);
        QCOMPARE(jednoducha(1e39L), std::numeric_limits<float>::infinity());
        QCOMPARE(jednoducha(-1e39L), -std::numeric_limits<float>::infinity());
        QCOMPARE(jednoducha(static_cast<long double>(FLT_MAX)), FLT_MAX);
        // just above the largest single, below the rounding boundary: stays finite
        QCOMPARE(jednoducha(static_cast<long double>(FLT_MAX) * (1 + 1e-9L)), FLT_MAX);
        QVERIFY(std::isnan(jednoducha(std::numeric_limits<long double>::quiet_NaN())));
    }

    void popisyKonstant_data()
    {
        QTest::addColumn<int>("volby"); // bits: zavislost, expo, rovnici, vysledek
        QTest::addColumn<QString>("popis");
        QTest::newRow("all four")
            << 15 << "W(1,8) = exp(-j*2*pi*1/8) = cos(2*pi*1/8)-j*sin(2*pi*1/8) = 0.71 - j0.71";
        QTest::newRow("none") << 0 << "?";
        QTest::newRow("dependency only") << 1 << "W(1,8)";
        QTest::newRow("value only") << 8 << "0.71 - j0.71";
        QTest::newRow("exp and cos") << 6 << "exp(-j*2*pi*1/8) = cos(2*pi*1/8)-j*sin(2*pi*1/8)";
    }
    void popisyKonstant()
    {
        QFETCH(int, volby);
        QFETCH(QString, popis);
        const Zobrazeni z{bool(volby & 1), bool(volby & 2), bool(volby & 4), bool(volby & 8), false};
        // stage 2 of N = 8, row 5: k = (5 mod 4) * 2^0 = 1
        const Tok t = spocitej(std::vector<float>(8, 0.0f));
        QCOMPARE(t.etapy[2].k[5], 1);
        QCOMPARE(popisKonstanty(1, 8, t.etapy[2].W[5], z, u'.'), popis);
    }

    // The graph's own numbers for samples 1, 2, 3, 4 and for a unit impulse.
    void prikladyN4()
    {
        const Tok t = spocitej({1, 2, 3, 4});
        QCOMPARE(t.L, 2);
        QList<float> poradi;
        for (const Komplex& c : t.poradi)
            poradi << c.re;
        QCOMPARE(poradi, (QList<float>{1, 3, 2, 4}));
        QCOMPARE(textyHodnot(t, 0, u'.'),
                 (QStringList{"4.00 + j0.00", "-2.00 + j0.00", "6.00 + j0.00", "-2.00 + j0.00"}));
        QCOMPARE(textyHodnot(t, 1, u'.'),
                 (QStringList{"10.00 + j0.00", "-2.00 + j2.00", "-2.00 + j0.00", "-2.00 - j2.00"}));

        const Tok j = spocitej({1, 0, 0, 0});
        QList<float> po0;
        for (const Komplex& c : j.etapy[0].A)
            po0 << c.re;
        QCOMPARE(po0, (QList<float>{1, 1, 0, 0}));
        QCOMPARE(textyHodnot(j, 1, u','), QStringList(4, "1,00 + j0,00"));
    }

    // Every stage's texts are made from the values the next stage uses.
    void textyZHodnot()
    {
        const Tok t = spocitej({1, 2, 3, 4, 5, 6, 7, 8});
        const std::vector<QString> editory{"1", "2", "3", "4", "5", "6", "7", "8"};
        const TextyToku tx = texty(t, editory, true, Zobrazeni{}, u'.');
        QCOMPARE(tx.vstupy[3], QStringLiteral("s(011)"));
        QStringList preskupene;
        for (const QString& s : tx.preskupene)
            preskupene << s;
        QCOMPARE(preskupene, (QStringList{"s(000)", "s(100)", "s(010)", "s(110)", "s(001)", "s(101)", "s(011)",
                                          "s(111)"}));
        QCOMPARE(tx.preskupeneHodnoty[1], QStringLiteral(" = 5"));
        for (int s = 0; s < t.L; ++s)
            for (int i = 0; i < 8; ++i) {
                const QString v = komplexni(t.etapy[s].A[i], false, u'.');
                QCOMPARE(tx.hodnoty[s][i], s == t.L - 1 ? " = " + v : v);
                QCOMPARE(tx.konstanty[s][i].isEmpty(), !(i & (1 << s)));
            }
        QCOMPARE(tx.vysledky[7], QStringLiteral("S(7)"));
        QCOMPARE(texty(t, editory, false, Zobrazeni{}, u'.').vstupy[3], QStringLiteral("s(3)"));
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
        // constant: all in bin 0
        x.assign(N, 0.5f);
        std::vector<Komplex> S = spocitej(x).etapy.back().A;
        QVERIFY(std::abs(S[0].re - 0.5f * N) <= tol);
        for (int k = 1; k < N; ++k)
            QVERIFY(std::abs(S[k].re) <= tol && std::abs(S[k].im) <= tol);
        // cosine of bin m: N/2 in bins m and N - m
        const int m = std::max(1, N / 4 - 1);
        for (int n = 0; n < N; ++n)
            x[n] = float(std::cos(2 * std::numbers::pi * m * n / N));
        S = spocitej(x).etapy.back().A;
        double energieX = 0, energieS = 0;
        for (int k = 0; k < N; ++k) {
            const double ocek = (k == m || k == N - m) ? N / 2.0 : 0.0;
            QVERIFY2(std::abs(S[k].re - ocek) <= tol && std::abs(S[k].im) <= tol, qPrintable(QString::number(k)));
            energieS += double(S[k].re) * S[k].re + double(S[k].im) * S[k].im;
        }
        for (float v : x)
            energieX += double(v) * v;
        // Parseval: sum |S|^2 = N * sum x^2
        QVERIFY(std::abs(energieS - N * energieX) <= 1e-5 * N * energieX);
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

    void spektrumStonky()
    {
        const fftspektrum::Spektrum s = fftspektrum::spocitej(spocitej({1, 2, 3, 4}).etapy.back().A, u'.');
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
        const fftspektrum::Spektrum nuly = fftspektrum::spocitej(std::vector<Komplex>(8), u'.');
        QCOMPARE(nuly.yMax, 1.1);
        QCOMPARE(nuly.yMin, -0.1);
        for (const auto& st : nuly.stonky)
            QCOMPARE(st.velikost, 0.0f);
    }

    void sirkyGrafu_data()
    {
        QTest::addColumn<int>("N");
        QTest::addColumn<int>("sirka");
        QTest::newRow("4") << 4 << 969;
        QTest::newRow("64") << 64 << 969;
        QTest::newRow("128") << 128 << 1340;
        QTest::newRow("1024") << 1024 << 10300;
    }
    void sirkyGrafu()
    {
        QFETCH(int, N);
        QFETCH(int, sirka);
        QCOMPARE(fftspektrum::sirka(N), sirka);
    }
};

VORTA_TEST(TestFFT)
#include "test_fft.moc"
