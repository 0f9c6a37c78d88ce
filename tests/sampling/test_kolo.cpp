#include "VortaTest.h"

#include "sampling/kolo.h"
#include "sampling/snimky.h"

#include <QImage>

using namespace kolo;

namespace {

const QColor pozadi(212, 208, 200);

QImage snimek(bool vyhlazeny, int pricek, int theta, bool cervena = false)
{
    QImage plocha(Strana, Strana, QImage::Format_RGB32);
    plocha.fill(pozadi);
    QImage velky;
    const Nastaveni n{pricek, cervena, theta};
    if (vyhlazeny)
        snimekVyhlazeny(plocha, velky, pozadi, n);
    else
        snimekPrimo(plocha, pozadi, n);
    return plocha;
}

} // namespace

class TestKolo : public QObject {
    Q_OBJECT
private slots:
    // Spoke 0 points straight up at theta = 0; spokes advance clockwise.
    void konecPricky()
    {
        const struct {
            int r, i, n, theta;
            QPoint konec;
        } pripady[] = {
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
        }
    }

    // round half to even of 1000 / rate
    void interval()
    {
        for (auto [fps, ms] : {std::pair{25, 40}, {3, 333}, {16, 62}, {48, 21}, {0, 1000}, {-3, 1000}})
            QCOMPARE(snimky::interval(fps), ms);
    }

    // The measured rate on a clock moved by hand.
    void mereni()
    {
        snimky::Mereni m;
        m.zacni(5000);
        for (int t = 5040; t < 6000; t += 40)
            QVERIFY(!m.snimek(t));
        QCOMPARE(m.fps(), 0); // nothing measured yet
        QVERIFY(m.snimek(6000));
        QCOMPARE(m.fps(), 25);
        // 9 frames over 2000 ms: 4.5 goes to the even 4; 11 over 2000: 5.5 to 6
        const std::int64_t t0 = 6000;
        for (int i = 1; i <= 8; ++i)
            m.snimek(t0 + 100 * i);
        QVERIFY(m.snimek(t0 + 2000));
        QCOMPARE(m.fps(), 4);
        for (int i = 1; i <= 10; ++i)
            m.snimek(t0 + 2000 + 50 * i);
        QVERIFY(m.snimek(t0 + 4000));
        QCOMPARE(m.fps(), 6);
    }

};

VORTA_TEST(TestKolo)
#include "test_kolo.moc"
