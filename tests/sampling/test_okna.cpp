#include "VortaTest.h"

#include "graf/TGraf.h"
#include "sampling/TCasovacSnimku.h"
#include "sampling/TPlocha.h"
#include "sampling/Taliasing.h"
#include "sampling/TaliasingVS.h"
#include "sampling/TaliasingVZ.h"
#include "sampling/kolo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QScrollBar>
#include <QSignalSpy>

using namespace vzorkovani;

namespace {

template <class T> T* prvek(const QWidget& okno, const char* jmeno)
{
    T* w = okno.findChild<T*>(QString::fromLatin1(jmeno));
    return w ? w : (qFatal("no control %s", jmeno), nullptr);
}

} // namespace

class TestOknaVzorkovani : public QObject {
    Q_OBJECT
private slots:
    // The hold chosen: only the staircase, only the straight lines, or both
    // with the staircase red.
    void tvarovace()
    {
        TaliasingVS okno;
        auto* tvar = prvek<QComboBox>(okno, "tvar");
        const TGraf* srek = prvek<TGraf>(okno, "srek");
        prvek<QScrollBar>(okno, "frek")->setValue(4900);
        const auto styly = [&] {
            QSet<int> s;
            for (int i = 1; i < srek->PocetBodu(); ++i)
                s.insert(srek->CtiBod(i).Styl);
            return s;
        };
        QCOMPARE(styly(), (QSet<int>{0, 2}));
        QCOMPARE(srek->PocetBodu(), 2 + 2 * 51);
        tvar->setCurrentIndex(Prvni);
        QCOMPARE(styly(), (QSet<int>{2}));
        QCOMPARE(srek->PocetBodu(), 1 + 51);
        // 980 Hz seen as 20 Hz inverted: at 12 ms the rebuilt wave is at -sin(0.48 pi)
        QVERIFY(std::abs(srek->CtiBod(1 + 12).y + std::sin(2 * 3.14159265358979 * 20 * 12 / 1000)) < 1e-5);
        tvar->setCurrentIndex(Oba);
        QCOMPARE(styly(), (QSet<int>{0, 1, 2}));
        QCOMPARE(srek->PocetBodu(), 1 + 51 + 1 + 2 * 51);
    }
};

class TestOknoKola : public QObject {
    Q_OBJECT
private slots:
    // A frame draws what the wheel computation draws for the settings read
    // at that frame, then turns the wheel; a hidden window skips the drawing
    // and keeps the angle.
    void snimky()
    {
        Taliasing okno;
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        // frames come from here only: the clock may have been switched on by
        // the window's activation
        okno.casovac()->setZapnuto(false);
        const int t0 = okno.theta();
        const QColor pozadi = okno.palette().color(QPalette::Button);
        prvek<QScrollBar>(okno, "speed")->setValue(88);
        prvek<QComboBox>(okno, "pricek")->setCurrentIndex(3);
        QImage ocekavano(200, 200, QImage::Format_RGB32), velky;
        ocekavano.fill(pozadi);
        okno.timerTimer();
        kolo::snimekVyhlazeny(ocekavano, velky, pozadi, {4, false, t0});
        QCOMPARE(okno.plocha()->predni(), ocekavano);
        QCOMPARE(okno.theta(), kolo::otoc(t0, 88));
        okno.timerTimer();
        QCOMPARE(okno.theta(), kolo::otoc(t0, 176));
        // direct drawing and the red spoke take effect at the next frame
        prvek<QCheckBox>(okno, "all")->setChecked(false);
        prvek<QCheckBox>(okno, "cervenou")->setChecked(true);
        okno.timerTimer();
        ocekavano.fill(pozadi);
        kolo::snimekPrimo(ocekavano, pozadi, {4, true, kolo::otoc(t0, 176)});
        QCOMPARE(okno.plocha()->predni(), ocekavano);
        QCOMPARE(okno.theta(), kolo::otoc(t0, 264));
        okno.hide();
        okno.timerTimer();
        QCOMPARE(okno.theta(), kolo::otoc(t0, 264));
    }

    // On at activation, off at close; the angle and the settings survive.
    void zapnutiAZavreni()
    {
        Taliasing okno;
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        okno.FormActivate();
        QVERIFY(okno.casovac()->zapnuto());
        prvek<QScrollBar>(okno, "cas")->setValue(50);
        QCOMPARE(okno.casovac()->interval(), 20);
        QSignalSpy snimky(okno.casovac(), &TCasovacSnimku::snimek);
        QTRY_VERIFY_WITH_TIMEOUT(snimky.count() >= 3, 2000);
        QVERIFY(okno.theta() > 0);
        okno.close();
        QVERIFY(!okno.casovac()->zapnuto());
        const int theta = okno.theta();
        snimky.clear();
        QTest::qWait(100);
        QCOMPARE(snimky.count(), 0);
        okno.show();
        QCOMPARE(okno.theta(), theta);
    }
};

VORTA_TEST(TestOknaVzorkovani)
VORTA_TEST(TestOknoKola)
#include "test_okna.moc"
