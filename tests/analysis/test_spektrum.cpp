#include "VortaTest.h"

#include "analysis/spektrum.h"

#include <cmath>
#include <numbers>

using namespace spektrum;

class TestSpektrum : public QObject {
    Q_OBJECT
private slots:
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
