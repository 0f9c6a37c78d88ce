#include "VortaTest.h"

#include "analysis/dfr.h"
#include "analysis/dft.h"

#include <cmath>
#include <complex>
#include <numbers>

using namespace dft;

namespace {
std::complex<double> X(const Spektrum& s, int m) { return {s.re(m), -s.im(m)}; }
} // namespace

class TestDft : public QObject {
    Q_OBJECT
private slots:
    // Sampling picks y[round(n M / N)] with halves to the even index; y[i] = i
    // shows which index was taken.
    void vzorkovani()
    {
        const struct {
            int M, N;
            std::vector<int> indexy;
        } pripady[] = {
            {600, 16, {0, 38, 75, 112, 150, 188}}, // 37.5 -> 38, 112.5 -> 112
            {5, 2, {0, 2}},                        // 2.5 -> 2
            {7, 2, {0, 4}},                        // 3.5 -> 4
            {3, 8, {0, 0, 1, 1, 2, 2, 2, 3}},      // indices repeat
        };
        for (const auto& [M, N, indexy] : pripady) {
            std::vector<float> y(M + 1);
            for (int i = 0; i <= M; ++i)
                y[i] = float(i);
            const std::vector<float> x = vzorkuj(y, M, N, N);
            QCOMPARE(int(x.size()), N);
            for (int n = 0; n < int(indexy.size()); ++n)
                QCOMPARE(x[n], float(indexy[n]));
        }
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

    // Against the definition summed directly, and Parseval:
    // sum over one period of |X[m]|^2 = N sum |x[n]|^2; the series (DFR) is
    // the DFT divided by N.
    void definiceAParseval_data()
    {
        QTest::addColumn<int>("N");
        for (int N : {2, 3, 17, 40})
            QTest::addRow("N=%d", N) << N;
    }
    void definiceAParseval()
    {
        QFETCH(int, N);
        std::vector<float> x(N);
        for (int n = 0; n < N; ++n)
            x[n] = float(std::sin(1.7 * n * n + 0.3) - 0.2 * (n % 3));
        const Spektrum s = koeficienty(x), c = dfr::koeficienty(x);
        double energie = 0, spektralne = 0;
        for (float v : x)
            energie += double(v) * v;
        for (int m = -MaxHarmonicka; m <= MaxHarmonicka; ++m) {
            std::complex<double> primo = 0;
            for (int n = 0; n < N; ++n)
                primo += double(x[n]) * std::polar(1.0, -2 * std::numbers::pi * m * n / N);
            QVERIFY(std::abs(X(s, m) - primo) < 1e-5 * N);
            QVERIFY(std::abs(c.re(m) * N - s.re(m)) < 1e-5 * N && std::abs(c.im(m) * N - s.im(m)) < 1e-5 * N);
            if (m >= 0 && m < N)
                spektralne += std::norm(X(s, m));
        }
        QVERIFY(std::abs(spektralne - N * energie) < 1e-5 * N * N);
    }
};
VORTA_TEST(TestDft)
#include "test_dft.moc"
