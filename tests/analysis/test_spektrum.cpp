#include "VortaTest.h"

#include "analysis/spektrum.h"

#include <cmath>
#include <numbers>

using namespace spektrum;

class TestSpektrum : public QObject {
    Q_OBJECT
private slots:
    // Period markers at every multiple of N within -40 ... 40 (40/N rounded
    // half to even), and round(-N/2) ... round(3N/2) reconstruction stems.
    void periody_data()
    {
        QTest::addColumn<int>("N");
        QTest::addColumn<int>("car");
        QTest::addColumn<int>("stonku");
        QTest::newRow("N=20") << 20 << 5 << 41;   // 0, +-20, +-40; n = -10 ... 30
        QTest::newRow("N=16") << 16 << 5 << 33;   // 40/16 = 2.5 -> 2; n = -8 ... 24
        QTest::newRow("N=3") << 3 << 27 << 7;     // 40/3 -> 13; n = round(-1.5) = -2 ... round(4.5) = 4
        QTest::newRow("N=80") << 80 << 1 << 161;  // 0.5 -> 0: only the line at 0
        QTest::newRow("N=0 jako 1") << 0 << 81 << 3;
    }
    void periody()
    {
        QFETCH(int, N);
        QFETCH(int, car);
        QFETCH(int, stonku);
        PoleM re, im;
        const Spektrum s = kresliSpektrum(40, N, re, im, 1);
        QCOMPARE(int(s.periody.size()), car);
        QCOMPARE(int(s.rekonstrukce.size()), stonku);
        const int n1 = std::max(N, 1);
        for (const Cara& c : s.periody)
            QCOMPARE(std::fmod(c.x, double(n1)), 0.0);
        QCOMPARE(int(s.velikost.size()), 81);
        QCOMPARE(int(s.faze.size()), 81);
    }

    // The DFT of a constant 1 with N = 20 (scale N): X[0] = 20, so every
    // reconstruction stem is 1 and the magnitude stem at 0 is 20 (not
    // divided by the scale); blue exactly for 0 <= m <= P.
    void konstanta()
    {
        PoleM re, im;
        re[0] = 20;
        const Spektrum s = kresliSpektrum(3, 20, re, im, 20);
        for (const Stonek& k : s.rekonstrukce) {
            QCOMPARE(k.y, 1.0);
            QCOMPARE(k.styl, 1);
        }
        QCOMPARE(s.rekonstrukce.front().x, -0.5);
        QCOMPARE(s.rekonstrukce.back().x, 1.5);
        QCOMPARE(s.velikost[40].y, 20.0);
        for (int m = -40; m <= 40; ++m)
            QCOMPARE(s.velikost[m + 40].styl, (m >= 0 && m <= 3) ? 2 : 6);
    }

    // A sine sampled 20 times comes back from its one term; the phase of a
    // magnitude below 0.005 (scale 1) is 0.
    void sinus()
    {
        constexpr int N = 20;
        PoleM re, im;
        // x[n] = sum_k Re[k] cos(2 pi k n/N) + Im[k] sin(2 pi k n/N): Im[1] = 1
        // alone is sin(2 pi n/N); its phase atan2(-Im, Re) is -90 degrees.
        im[1] = 1;
        im[-1] = -1;
        re[5] = 0.004f;
        const Spektrum s = kresliSpektrum(1, N, re, im, 1);
        for (const Stonek& k : s.rekonstrukce)
            QVERIFY(std::abs(k.y - std::sin(2 * std::numbers::pi * k.x)) < 1e-6);
        QCOMPARE(s.faze[40 + 1].y, -90.0);
        QCOMPARE(s.faze[40 - 1].y, 90.0);
        QCOMPARE(s.faze[40 + 5].y, 0.0);
        QCOMPARE(s.velikost[40 + 5].y, double(0.004f));
        // P < 0: no terms at all
        const Spektrum nic = kresliSpektrum(-1, N, re, im, 1);
        for (const Stonek& k : nic.rekonstrukce)
            QCOMPARE(k.y, 0.0);
        // a zero scale counts as 1: no infinities
        for (const Stonek& k : kresliSpektrum(1, N, re, im, 0).rekonstrukce)
            QVERIFY(std::isfinite(k.y));
    }
};

VORTA_TEST(TestSpektrum)
#include "test_spektrum.moc"
