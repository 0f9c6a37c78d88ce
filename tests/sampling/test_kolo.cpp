// The wheel: its drawing, its clock and its window, also on a HiDPI screen.
// TestHidpiKola runs once more with QT_SCALE_FACTOR=2 (a 400 x 400 work
// area), where the window really is shown at that ratio and too large.
#include "VortaPomoc.h"
#include "VortaTest.h"

#include "sampling/TCasovacSnimku.h"
#include "sampling/TPlocha.h"
#include "sampling/Taliasing.h"
#include "sampling/kolo.h"
#include "sampling/snimky.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <cmath>

using namespace kolo;

namespace {

const QColor sede(212, 208, 200);

QImage snimek(bool vyhlazeny, int pricek, int theta, bool cervena = false, qreal dpr = 1, QColor pozadi = sede)
{
    const int strana = int(std::ceil(Strana * dpr));
    QImage plocha(strana, strana, QImage::Format_RGB32), velky;
    plocha.setDevicePixelRatio(dpr);
    plocha.fill(pozadi);
    const Nastaveni n{pricek, cervena, theta};
    vyhlazeny ? snimekVyhlazeny(plocha, velky, pozadi, n) : snimekPrimo(plocha, pozadi, n);
    return plocha;
}

} // namespace

class TestKolo : public QObject {
    Q_OBJECT
private slots:
    // Spoke 0 points straight up at theta = 0; spokes advance clockwise.
    void konecPricky()
    {
        const struct { int r, i, n, theta; QPoint konec; } pripady[] = {
            {90, 0, 1, 270, {12, 100}}, // left
            {90, 2, 3, 0, {24, 144}},   // spoke 2 of 3: 240 degrees
            {90, 1, 7, 3, {172, 49}},   // spoke 1 of 7 at 3: 54.43 degrees
            {270, 0, 1, 0, {100, -168}},
        };
        for (const auto& p : pripady)
            QCOMPARE(kolo::konecPricky(QPoint(100, 100), p.r, p.r, p.i, p.n, p.theta), p.konec);
    }

    // Each channel is the block's sum over 9 with the remainder dropped.
    void zmensi()
    {
        QImage velky(6, 3, QImage::Format_RGB32);
        velky.fill(Qt::black);
        // block 0: red 0 ... 8 (sum 36), green one 255 (28.3), blue all 255
        for (int j = 0; j < 9; ++j)
            velky.setPixel(j % 3, j / 3, qRgb(j, j == 4 ? 255 : 0, 255));
        // block 1: sum 80 in each channel: 8.9 drops to 8
        for (int j = 0; j < 9; ++j)
            velky.setPixel(3 + j % 3, j / 3, j < 8 ? qRgb(10, 10, 10) : qRgb(0, 0, 0));
        QImage maly(2, 1, QImage::Format_RGB32);
        kolo::zmensi(velky, maly);
        QCOMPARE(maly.pixel(0, 0), qRgb(4, 28, 255));
        QCOMPARE(maly.pixel(1, 0), qRgb(8, 8, 8));
    }

    // The frame identities of the stroboscope, in both modes: four spokes
    // turned by 90 degrees draw the same frame, by 88 the frame turned back
    // by 2 degrees, by 92 on by 2; a red first spoke steps a quarter turn.
    // At a HiDPI ratio the whole surface is drawn, the rim where 1x has it.
    void identity()
    {
        QVERIFY(kolo::otoc(359, 1) == 0 && kolo::otoc(350, 88) == 78 && kolo::otoc(10, -20) == 350);
        const QRgb cervena = qRgb(255, 0, 0);
        const QPoint nahore(100, 40), vpravo(160, 100);
        for (bool v : {false, true}) {
            for (int theta : {0, 17}) {
                const QImage a = snimek(v, 4, theta);
                QCOMPARE(snimek(v, 4, kolo::otoc(theta, 90)), a);
                QCOMPARE(snimek(v, 4, kolo::otoc(theta, 88)), snimek(v, 4, kolo::otoc(theta, -2)));
                QCOMPARE(snimek(v, 4, kolo::otoc(theta, 92)), snimek(v, 4, kolo::otoc(theta, 2)));
                QVERIFY(snimek(v, 4, kolo::otoc(theta, 88)) != a);
                QCOMPARE(snimek(v, 1, kolo::otoc(theta, 720)), snimek(v, 1, theta));
            }
            const QImage c0 = snimek(v, 4, 0, true), c90 = snimek(v, 4, 90, true);
            QVERIFY(c0.pixel(nahore) == cervena && c0.pixel(vpravo) != cervena);
            QVERIFY(c90.pixel(vpravo) == cervena && c90.pixel(nahore) != cervena);
            for (qreal dpr : {2.0, 1.5}) {
                const QImage o = snimek(v, 3, 17, false, dpr);
                QCOMPARE(o.devicePixelRatio(), dpr);
                auto bod = [&](double x, double y) { return o.pixel(int(x * dpr), int(y * dpr)); };
                auto tmavy = [&](double x, double y) { return qGray(bod(x, y)) < 100; };
                // the rim crosses the axes 1 ... 4 pixels from the box (10 ... 190)
                for (double d : {11.0, 12.0})
                    QVERIFY2(tmavy(100.5, d) && tmavy(200 - d, 100.5) && tmavy(100.5, 200 - d) && tmavy(d, 100.5),
                             qPrintable(QStringLiteral("a side's rim at %1").arg(dpr)));
                QVERIFY(bod(3, 3) == sede.rgb() && bod(196, 196) == sede.rgb());
            }
        }
    }

    // The frame interval: 1000 / rate rounded half to even. The measured rate
    // on a clock moved by hand.
    void mereni()
    {
        for (auto [fps, ms] : {std::pair{25, 40}, {3, 333}, {16, 62}, {48, 21}, {0, 1000}, {-3, 1000}})
            QCOMPARE(snimky::interval(fps), ms);
        snimky::Mereni m;
        m.zacni(5000);
        for (int t = 5040; t < 6000; t += 40)
            QVERIFY(!m.snimek(t));
        QCOMPARE(m.fps(), 0); // nothing measured yet
        QVERIFY(m.snimek(6000) && m.fps() == 25);
        // 9 frames over 2000 ms: 4.5 goes to the even 4; 11 over 2000: 5.5 to 6
        const std::int64_t t0 = 6000;
        for (int i = 1; i <= 8; ++i)
            m.snimek(t0 + 100 * i);
        QVERIFY(m.snimek(t0 + 2000) && m.fps() == 4);
        for (int i = 1; i <= 10; ++i)
            m.snimek(t0 + 2000 + 50 * i);
        QVERIFY(m.snimek(t0 + 4000) && m.fps() == 6);
    }

    // On at activation, off at close; the angle and the settings survive.
    void zapnutiAZavreni()
    {
        Taliasing okno;
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        okno.FormActivate();
        QVERIFY(okno.casovac()->zapnuto());
        okno.findChild<QScrollBar*>("cas")->setValue(50);
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

class TestHidpiKola : public QObject {
    Q_OBJECT
private slots:
    // A frame draws, over the surface at the screen's ratio, what the wheel
    // computation draws for the settings read at that frame, then turns the
    // wheel; a hidden window skips the drawing and keeps the angle. The
    // window fits the work area: unchanged where it fits, scrolled where it
    // does not, its controls where they were.
    void okno()
    {
        Taliasing okno;
        const QSize klient = okno.size();
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        okno.casovac()->setZapnuto(false); // frames come from here only
        const qreal dpr = okno.devicePixelRatioF();
        QCOMPARE(dpr, vortatest::pozadovaneMeritko());
        const QColor pozadi = okno.palette().color(QPalette::Button);
        const int t0 = okno.theta();
        okno.findChild<QScrollBar*>("speed")->setValue(88);
        okno.findChild<QComboBox*>("pricek")->setCurrentIndex(3);
        okno.timerTimer();
        QCOMPARE(okno.plocha()->predni().devicePixelRatio(), dpr);
        QCOMPARE(okno.plocha()->predni(), snimek(true, 4, t0, false, dpr, pozadi));
        QCOMPARE(okno.theta(), otoc(t0, 88));
        okno.timerTimer();
        QCOMPARE(okno.theta(), otoc(t0, 176));
        // direct drawing and the red spoke take effect at the next frame
        okno.findChild<QCheckBox*>("all")->setChecked(false);
        okno.findChild<QCheckBox*>("cervenou")->setChecked(true);
        okno.timerTimer();
        QCOMPARE(okno.plocha()->predni(), snimek(false, 4, otoc(t0, 176), true, dpr, pozadi));
        QCOMPARE(okno.theta(), otoc(t0, 264));
        okno.hide();
        okno.timerTimer();
        QCOMPARE(okno.theta(), otoc(t0, 264));
        okno.show();

        const QRect prace = okno.screen()->availableGeometry();
        const bool vejdeSe = klient.width() <= prace.width() && klient.height() <= prace.height();
        auto* posuv = okno.findChild<QScrollArea*>(QStringLiteral("vejdiSe"));
        QCOMPARE(posuv == nullptr, vejdeSe);
        QVERIFY(prace.contains(okno.frameGeometry()));
        if (vejdeSe) {
            QCOMPARE(okno.size(), klient);
            return;
        }
        QVERIFY(okno.width() < klient.width() || okno.height() < klient.height());
        QCOMPARE(posuv->widget()->size(), klient);
        auto* cas = okno.findChild<QScrollBar*>("cas");
        QVERIFY(posuv->widget()->isAncestorOf(cas) && posuv->widget()->isAncestorOf(okno.plocha()));
        QCOMPARE(cas->geometry(), QRect(234, 22, 375, 17));
        QVERIFY(cas->isVisible());
        // a second showing changes nothing more
        okno.hide();
        okno.show();
        QCOMPARE(okno.findChildren<QScrollArea*>(QStringLiteral("vejdiSe")).size(), 1);
    }
};

VORTA_TEST(TestKolo)
VORTA_TEST(TestHidpiKola)
#include "test_kolo.moc"
