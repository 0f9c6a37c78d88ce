#include "VortaTest.h"

#include "analysis/dfr.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace {
constexpr double Pi = std::numbers::pi;

// One period as the drawing editor delivers it: 600 values at t = i / 600,
// and the first value of the next period as sample 600.
std::vector<float> perioda(auto f)
{
    std::vector<float> y(601);
    for (int i = 0; i <= 600; ++i)
        y[i] = float(f(i / 600.0));
    return y;
}
} // namespace

class TestDfr : public QObject {
    Q_OBJECT
private slots:
    // A sine period sampled with N = 20: c_1 = -j/2, c_-1 = +j/2 and their
    // repetitions at +-19, +-21, +-39; nothing elsewhere.
    void sinus()
    {
        const auto y = perioda([](double t) { return std::sin(2 * Pi * t); });
        const auto x = dft::vzorkuj(y, 600, 20, 20);
        const dft::Spektrum c = dfr::koeficienty(x);
        for (int m = -40; m <= 40; ++m) {
            const int r = ((m % 20) + 20) % 20;
            const double ocekavano = (r == 1 || r == 19) ? 0.5 : 0.0;
            QVERIFY2(std::abs(std::hypot(c.re(m), c.im(m)) - ocekavano) < 1e-6, qPrintable(QString::number(m)));
        }
        // c_1 = Re - j Im = -j / 2: Im[1] = 1/2
        QVERIFY(std::abs(c.im(1) - 0.5) < 1e-6 && std::abs(c.im(-1) + 0.5) < 1e-6);
    }

    // The series is the DFT divided by N, and Parseval reads
    // sum over one period of |c_m|^2 = (1 / N) sum |x[n]|^2.
    void meritkoAParseval_data()
    {
        QTest::addColumn<int>("N");
        for (int N : {2, 5, 16, 20, 40})
            QTest::addRow("N=%d", N) << N;
    }
    void meritkoAParseval()
    {
        QFETCH(int, N);
        const auto y = perioda([](double t) { return t < 0.3 ? 1.0 : std::cos(9 * t) * 0.7; });
        const auto x = dft::vzorkuj(y, 600, N, N);
        const dft::Spektrum c = dfr::koeficienty(x), X = dft::koeficienty(x);
        double energie = 0, spektralne = 0;
        for (float v : x)
            energie += double(v) * v;
        for (int m = -40; m <= 40; ++m) {
            QVERIFY(std::abs(c.re(m) * N - X.re(m)) < 1e-5 * N && std::abs(c.im(m) * N - X.im(m)) < 1e-5 * N);
            if (m >= 0 && m < N)
                spektralne += double(c.re(m)) * c.re(m) + double(c.im(m)) * c.im(m);
        }
        QVERIFY(std::abs(spektralne - energie / N) < 1e-6);
    }

    // The input graph: three periods (blue), a move, the samples as red
    // stems in each of the three periods.
    void vstupniGraf()
    {
        const auto y = perioda([](double t) { return t - 0.5; });
        const auto x = dft::vzorkuj(y, 600, 8, 8);
        const auto b = dfr::vstup(y, 600, x);
        QCOMPARE(int(b.size()), 1800 + 1 + 9 * 8);
        for (int k = 0; k < 3; ++k)
            for (int i = 0; i < 600; i += 37) {
                const TBod& p = b[600 * k + i];
                QVERIFY(p.Styl == 2 && p.y == y[i] && std::abs(p.x - (i + 600 * (k - 1)) / 600.0) < 1e-6);
            }
        QVERIFY(b[1800].Styl == 0 && b[1800].x == -100);
        for (int k = 0; k < 3; ++k)
            for (int n = 0; n < 8; ++n) {
                const TBod* st = &b[1801 + 3 * (8 * k + n)];
                const double t = (n + 8 * (k - 1)) / 8.0;
                QVERIFY(st[0].Styl == 0 && st[1].Styl == 1 && st[2].Styl == -1);
                QVERIFY(st[1].x == float(t) && st[1].y == x[n] && st[2].y == x[n] && st[0].y == 0);
            }
    }
};
VORTA_TEST(TestDfr)
#include "test_dfr.moc"
