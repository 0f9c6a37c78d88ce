#include "VortaTest.h"

#include "analysis/spektrum.h"

#include <cmath>
#include <numbers>

using namespace spektrum;

class TestSpektrum : public QObject {
    Q_OBJECT
private slots:
    // A sine sampled 20 times comes back from its one term (Im[1] = 1, phase atan2(-Im, Re) = -90);
    // the phase of a magnitude below 0.005 (scale 1) is 0; P < 0 gives no terms; scale 0 counts as 1.
    void sinus()
    {
        constexpr int N = 20;
        PoleM re, im;
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
        for (const Stonek& k : kresliSpektrum(-1, N, re, im, 1).rekonstrukce)
            QCOMPARE(k.y, 0.0);
        for (const Stonek& k : kresliSpektrum(1, N, re, im, 0).rekonstrukce)
            QVERIFY(std::isfinite(k.y));
    }
};

VORTA_TEST(TestSpektrum)
#include "test_spektrum.moc"
