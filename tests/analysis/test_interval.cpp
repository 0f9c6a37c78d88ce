#include "VortaTest.h"

#include "analysis/interval.h"

#include <cmath>
#include <limits>

using analyza::ctiInterval;

namespace {

// x = (i + posun)/krok for i = 0 ... n-1, y = i.
std::vector<TBod> rada(int n, int posun, int krok)
{
    std::vector<TBod> v;
    for (int i = 0; i < n; ++i)
        v.push_back({float(double(i + posun) / krok), float(i), 2});
    return v;
}

} // namespace

class TestInterval : public QObject {
    Q_OBJECT
private slots:
    // Samples are taken by position from the first record at or beyond t0 up
    // to the first one, from there, at or beyond t1, which is itself sample M.
    void cteni_data()
    {
        QTest::addColumn<QVector<float>>("xs");
        QTest::addColumn<double>("t0");
        QTest::addColumn<int>("M");
        QTest::addColumn<int>("prvni"); // y of sample 0 (= record index)
        QTest::addColumn<bool>("konec");
        QTest::newRow("pulz") << QVector<float>{-1, -0.5f, 0, 0.25f, 0.5f, 0.75f} << -0.5 << 3 << 1 << true;
        // unsorted: starts at the first x >= 0, ends at the first later x >= 1,
        // whatever lies between
        QTest::newRow("neserazene") << QVector<float>{-1, 0.5f, -3, 7, 0.2f, 1.5f, 0.1f} << 0.0 << 2 << 1 << true;
        QTest::newRow("zacatek za koncem") << QVector<float>{-1, 1.5f, 0.2f, 3} << 0.0 << 1 << 1 << true;
        QTest::newRow("bez konce") << QVector<float>{-1, 0, 0.25f, 0.5f} << 0.0 << 2 << 1 << false;
        QTest::newRow("nic za t0") << QVector<float>{-3, -2, -1} << 0.0 << 1 << 0 << false;
        QTest::newRow("prazdny") << QVector<float>{} << 0.0 << 1 << 0 << false;
    }
    void cteni()
    {
        QFETCH(QVector<float>, xs);
        QFETCH(double, t0);
        QFETCH(int, M);
        QFETCH(int, prvni);
        QFETCH(bool, konec);
        std::vector<TBod> z;
        for (int i = 0; i < xs.size(); ++i)
            z.push_back({xs[i], float(i), 2});
        const analyza::Interval v = ctiInterval(z.data(), int(z.size()), t0, t0 + 1);
        QCOMPARE(v.M, M);
        QCOMPARE(int(v.y.size()), M + 1);
        QCOMPARE(v.konec, konec);
        QCOMPARE(v.y[0], double(prvni));
        for (double y : v.y)
            QVERIFY(std::isfinite(y));
    }

    // An interval of more than 1001 samples ends at sample 1000: nothing is
    // read past the capacity.
    void kapacita()
    {
        const std::vector<TBod> z = rada(3000, 0, 2500); // 2500 samples per second
        const analyza::Interval v = ctiInterval(z.data(), 3000, 0, 1);
        QCOMPARE(v.M, 1000);
        QCOMPARE(int(v.y.size()), analyza::KapacitaIntervalu);
        QCOMPARE(v.y.back(), 1000.0);
        QVERIFY(!v.konec);
        // exactly 1001 samples with the end record last still fit
        const std::vector<TBod> z2 = rada(1200, 0, 1000);
        const analyza::Interval v2 = ctiInterval(z2.data(), 1200, 0, 1);
        QVERIFY(v2.konec && v2.M == 1000);
    }

    // A sample that is not a number reads as 0, so that no label or graph
    // shows garbage.
    void nekonecneHodnoty()
    {
        std::vector<TBod> z = rada(5, 0, 4);
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
