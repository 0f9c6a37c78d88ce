// The wheel on a HiDPI screen: frames drawn at the surface's device pixels
// over the whole surface, and the wheel window on a work area smaller than
// itself. The class runs once more with QT_SCALE_FACTOR=2 (a 400 x 400 work
// area), where the window really is shown at that ratio and too large.
#include "VortaTest.h"

#include "sampling/TCasovacSnimku.h"
#include "sampling/TPlocha.h"
#include "sampling/Taliasing.h"
#include "sampling/kolo.h"

#include <QComboBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <cmath>

namespace {

QImage povrch(qreal dpr, QColor pozadi)
{
    const int strana = int(std::ceil(kolo::Strana * dpr));
    QImage o(strana, strana, QImage::Format_RGB32);
    o.setDevicePixelRatio(dpr);
    o.fill(pozadi);
    return o;
}

bool tmavy(QRgb c) { return qGray(c) < 100; }

} // namespace

class TestHidpiKola : public QObject {
    Q_OBJECT
private slots:
    void snimek_data()
    {
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<bool>("vyhlazeny");
        QTest::newRow("2, smoothed") << qreal(2) << true;
        QTest::newRow("2, direct") << qreal(2) << false;
        QTest::newRow("1.5, smoothed") << qreal(1.5) << true;
        QTest::newRow("1.5, direct") << qreal(1.5) << false;
    }
    // The whole surface drawn, the rim at the same places as on the 1x
    // surface on every side.
    void snimek()
    {
        QFETCH(qreal, dpr);
        QFETCH(bool, vyhlazeny);
        const QColor pozadi(212, 208, 200);
        QImage o = povrch(dpr, pozadi), velky;
        const kolo::Nastaveni n{3, false, 17};
        if (vyhlazeny)
            kolo::snimekVyhlazeny(o, velky, pozadi, n);
        else
            kolo::snimekPrimo(o, pozadi, n);
        QCOMPARE(o.devicePixelRatio(), dpr);
        auto bod = [&](double x, double y) { return o.pixel(int(x * dpr), int(y * dpr)); };
        // the rim crosses the axes 1 ... 4 pixels from the box (10 ... 190)
        for (double d : {11.0, 12.0})
            QVERIFY2(tmavy(bod(100.5, d)) && tmavy(bod(190 - d + 10, 100.5)) && tmavy(bod(100.5, 190 - d + 10))
                         && tmavy(bod(d, 100.5)),
                     "the rim is missing on a side");
        QCOMPARE(bod(3, 3), pozadi.rgb());
        QCOMPARE(bod(196, 196), pozadi.rgb());
    }

    // The window's surface at the screen's ratio; at 1 the frame is the 1x
    // frame as before. The window fits the work area: unchanged where it fits,
    // scrolled where it does not, its controls where they were.
    void okno()
    {
        Taliasing okno;
        const QSize klient = okno.size();
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        okno.casovac()->setZapnuto(false);
        const qreal dpr = okno.devicePixelRatioF();
        // the run at scale 2 must really be at 2, not quietly at 1
        const QString skala = qEnvironmentVariable("QT_SCALE_FACTOR");
        QCOMPARE(dpr, skala.isEmpty() ? 1.0 : skala.toDouble());
        const QColor pozadi = okno.palette().color(QPalette::Button);
        okno.findChild<QComboBox*>("pricek")->setCurrentIndex(3);
        const int t0 = okno.theta();
        okno.timerTimer();
        QImage ocekavano = povrch(dpr, pozadi), velky;
        kolo::snimekVyhlazeny(ocekavano, velky, pozadi, {4, false, t0});
        QCOMPARE(okno.plocha()->predni().size(), ocekavano.size());
        QCOMPARE(okno.plocha()->predni().devicePixelRatio(), dpr);
        QCOMPARE(okno.plocha()->predni(), ocekavano);

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

VORTA_TEST(TestHidpiKola)
#include "test_hidpi.moc"
