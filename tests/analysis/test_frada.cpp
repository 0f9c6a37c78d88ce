#include "VortaTest.h"

#include "analysis/frada.h"

#include <cmath>
#include <functional>
#include <numbers>

using namespace frada;

namespace {

constexpr double pi = std::numbers::pi;

std::vector<double> vzorky(const std::function<double(double)>& f, int M)
{
    std::vector<double> y(M + 1);
    for (int i = 0; i <= M; ++i)
        y[i] = f(double(i) / M);
    return y;
}

double ctverec(double t) { return t < 0.5 ? 1.0 : -1.0; }
} // namespace

class TestFrada : public QObject {
    Q_OBJECT
private slots:
    // Known series through the 600-sample rectangle rule: sin c1 = -j/2, cos c1 = 1/2,
    // +-1 square |c_n| = 2/(n pi) at odd n, 0 at even n; saw t: c_n = j/(2 pi n), c0 = 1/2.
    void zname()
    {
        struct Radek {
            int tvar, m;
            double velikostC, fazeC, tolerance, fazeTolerance;
        };
        std::vector<Radek> pripady{{0, 1, 0.5, -90, 1e-12, 1e-9}, {0, -1, 0.5, 90, 1e-12, 1e-9}, {1, 1, 0.5, 0, 1e-12, 0}};
        // Left-end samples put the jump half a step late: the phase turns by 180 n/600 degrees.
        for (int n : {1, 3, 5, 11, 39})
            pripady.push_back({2, n, 2 / (n * pi), -90.0 + 180.0 * n / 600, 2e-3, 1.0});
        for (int n : {2, 4, 10, 40})
            pripady.push_back({2, n, 0, 0, 1e-12, 0});
        for (int n : {1, 2, 7})
            pripady.push_back({3, n, 1 / (2 * pi * n), 90.0 + 180.0 * n / 600, 1e-3, 1.0});
        pripady.push_back({3, 0, 0.5 * (599.0 / 600), 0, 1e-12, 0});
        const std::function<double(double)> f[] = {[](double t) { return std::sin(2 * pi * t); },
                                                   [](double t) { return std::cos(2 * pi * t); }, ctverec,
                                                   [](double t) { return t; }};
        for (const auto& [tvar, m, velikostC, fazeC, tolerance, fazeTolerance] : pripady) {
            const Koeficienty k = koeficienty(vzorky(f[tvar], 600), 600);
            const QString kde = QStringLiteral("%1/%2: %3, %4").arg(tvar).arg(m).arg(velikost(k, m), 0, 'g', 12).arg(faze(k, m), 0, 'g', 12);
            QVERIFY2(std::abs(velikost(k, m) - velikostC) <= tolerance, qPrintable(kde));
            QVERIFY2(std::abs(faze(k, m) - fazeC) <= fazeTolerance, qPrintable(kde));
            QCOMPARE(velikost(k, -m), velikost(k, m));
        }
    }

    // P = 0 is the mean; the square overshoots by Gibbs' 9 % of its jump; the sine comes back exactly.
    void rekonstrukce()
    {
        const Koeficienty ctv = koeficienty(vzorky(ctverec, 600), 600);
        for (const QPointF& b : frada::rekonstrukce(ctv, 0))
            QVERIFY(std::abs(b.y() - ctv.A(0) / 2) < 1e-15);
        double vrchol = 0;
        for (const QPointF& b : frada::rekonstrukce(ctv, 40))
            vrchol = std::max(vrchol, b.y());
        QVERIFY2(vrchol > 1.15 && vrchol < 1.2, qPrintable(QString::number(vrchol)));

        const Koeficienty s = koeficienty(vzorky([](double t) { return std::sin(2 * pi * t); }, 600), 600);
        for (const QPointF& b : frada::rekonstrukce(s, 1))
            QVERIFY(std::abs(b.y() - std::sin(2 * pi * b.x())) < 1e-12);
    }
};

VORTA_TEST(TestFrada)
#include "test_frada.moc"
