#include "VortaTest.h"

#include "analysis/interval.h"

#include <cmath>
#include <limits>

using analyza::ctiInterval;

namespace {

// x = i / krok, y = i.
std::vector<TBod> rada(int n, int krok)
{
    std::vector<TBod> v;
    for (int i = 0; i < n; ++i)
        v.push_back({float(double(i) / krok), float(i), 2});
    return v;
}
} // namespace

class TestInterval : public QObject {
    Q_OBJECT
private slots:
    // Samples run by position from the first record at or beyond t0 to the first later one at or
    // beyond t1, which is sample M.
    void cteni()
    {
        const struct {
            std::vector<float> xs;
            double t0;
            int M, prvni; // prvni: y of sample 0 (= record index)
            bool konec;
        } pripady[] = {
            {{-1, -0.5f, 0, 0.25f, 0.5f, 0.75f}, -0.5, 3, 1, true}, {{-1, 0.5f, -3, 7, 0.2f, 1.5f, 0.1f}, 0, 2, 1, true},
            {{-1, 1.5f, 0.2f, 3}, 0, 1, 1, true}, // the start beyond the end
            {{-1, 0, 0.25f, 0.5f}, 0, 2, 1, false}, {{-3, -2, -1}, 0, 1, 0, false}, {{}, 0, 1, 0, false},
        };
        for (const auto& [xs, t0, M, prvni, konec] : pripady) {
            std::vector<TBod> z;
            for (int i = 0; i < int(xs.size()); ++i)
                z.push_back({xs[i], float(i), 2});
            const analyza::Interval v = ctiInterval(z.data(), int(z.size()), t0, t0 + 1);
            QCOMPARE(v.M, M);
            QCOMPARE(int(v.y.size()), M + 1);
            QCOMPARE(v.konec, konec);
            QCOMPARE(v.y[0], double(prvni));
            for (double y : v.y)
                QVERIFY(std::isfinite(y));
        }
    }

    // More than 1001 samples end at sample 1000: nothing is read past the capacity.
    void kapacita()
    {
        const std::vector<TBod> z = rada(3000, 2500), z2 = rada(1200, 1000);
        const analyza::Interval v = ctiInterval(z.data(), 3000, 0, 1), v2 = ctiInterval(z2.data(), 1200, 0, 1);
        QCOMPARE(v.M, 1000);
        QCOMPARE(int(v.y.size()), analyza::KapacitaIntervalu);
        QCOMPARE(v.y.back(), 1000.0);
        QVERIFY(!v.konec);
        QVERIFY(v2.konec && v2.M == 1000); // exactly 1001 samples with the end record last
    }

    // A sample that is not a number reads as 0.
    void nekonecneHodnoty()
    {
        std::vector<TBod> z = rada(5, 4);
        z[1].y = std::numeric_limits<float>::quiet_NaN();
        z[2].y = std::numeric_limits<float>::infinity();
        const analyza::Interval v = ctiInterval(z.data(), 5, 0, 1);
        QCOMPARE(v.M, 4);
        QCOMPARE(v.y[1], 0.0);
        QCOMPARE(v.y[2], 0.0);
        QCOMPARE(v.y[3], 3.0);
        // a NaN x neither starts nor ends the interval
        z[0].x = std::numeric_limits<float>::quiet_NaN();
        QCOMPARE(ctiInterval(z.data(), 5, 0, 1).y[0], 0.0); // sample 0 is record 1 (NaN y)
    }
};

VORTA_TEST(TestInterval)
#include "test_interval.moc"
