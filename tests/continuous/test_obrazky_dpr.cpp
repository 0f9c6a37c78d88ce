// Formula pictures, sketches and icons on a scaled screen: drawn with as many
// more pixels as the ratio asks, laid out as at scale 1, and with detail of
// their own rather than enlarged scale-1 pixels; the labels draw them when
// first shown, at their own ratio. The suite runs once more with
// QT_SCALE_FACTOR=2, where the labels' ratio really is 2.
#include "VortaTest.h"

#include "app/ikony.h"
#include "continuous/TObraz.h"
#include "continuous/Tharmonicke2.h"
#include "continuous/obrazky.h"

#include <QComboBox>
#include <QPixmap>

namespace {

QImage kresba(const QString& druh, int signal, qreal pomer)
{
    if (druh == QLatin1String("prubeh"))
        return obrazky::prubeh(signal, pomer);
    if (druh == QLatin1String("vzorec"))
        return obrazky::vzorec(signal, false, pomer);
    if (druh == QLatin1String("komplexne"))
        return obrazky::vzorec(signal, true, pomer);
    if (druh == QLatin1String("konvoluce"))
        return obrazky::vzorecKonvoluce(pomer);
    if (druh == QLatin1String("otaznik"))
        return ikony::otaznik(pomer).toImage();
    return ikony::logo(pomer).toImage();
}

// The pixels that differ from the background (the top-left corner's colour).
QRect inkoust(const QImage& img)
{
    const QRgb pozadi = img.pixel(0, 0);
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != pozadi)
                r |= QRect(x, y, 1, 1);
    return r;
}

QImage rgb(const QPixmap& p) { return p.toImage().convertToFormat(QImage::Format_RGB32); }

} // namespace

class TestObrazkyDpr : public QObject {
    Q_OBJECT
private slots:
    void ostrost_data()
    {
        QTest::addColumn<QString>("druh");
        QTest::addColumn<int>("signal");
        QTest::addColumn<qreal>("pomer");
        for (qreal pomer : {2.0, 1.5}) {
            const QByteArray p = pomer == 2 ? " x2" : " x1.5";
            QTest::newRow("sketch 1" + p) << "prubeh" << 1 << pomer;
            QTest::newRow("sketch 5" + p) << "prubeh" << 5 << pomer;
            QTest::newRow("formulas 2" + p) << "vzorec" << 2 << pomer;
            QTest::newRow("complex formulas 5" + p) << "komplexne" << 5 << pomer;
            QTest::newRow("convolution integral" + p) << "konvoluce" << 0 << pomer;
            QTest::newRow("guide icon" + p) << "otaznik" << 0 << pomer;
            QTest::newRow("logo" + p) << "logo" << 0 << pomer;
        }
    }
    void ostrost()
    {
        QFETCH(QString, druh);
        QFETCH(int, signal);
        QFETCH(qreal, pomer);
        const QImage jedna = kresba(druh, signal, 1);
        const QImage img = kresba(druh, signal, pomer);
        QCOMPARE(jedna.devicePixelRatio(), 1.0);
        QCOMPARE(img.devicePixelRatio(), pomer);
        QCOMPARE(img.size(), (QSizeF(jedna.size()) * pomer).toSize());
        // Laid out as at scale 1: the inked area, in logical pixels, within
        // a pixel and a half of the scale-1 picture's.
        const QRectF a = inkoust(jedna), b = inkoust(img);
        const QRectF bl(b.topLeft() / pomer, b.size() / pomer);
        for (qreal d : {a.left() - bl.left(), a.top() - bl.top(), a.right() - bl.right(), a.bottom() - bl.bottom()})
            QVERIFY2(std::abs(d) <= 1.5, qPrintable(QStringLiteral("edge off by %1").arg(d)));
        if (pomer != 2)
            return;
        // An enlarged scale-1 picture fills every 2 x 2 block with one colour;
        // one drawn at the ratio has edges inside many of the blocks it inks
        // (the logo's filled disc leaves the fewest, a fifth).
        const QRgb pozadi = img.pixel(0, 0);
        int inkoustu = 0, hran = 0;
        for (int y = 0; y + 1 < img.height(); y += 2)
            for (int x = 0; x + 1 < img.width(); x += 2) {
                const QRgb p[] = {img.pixel(x, y), img.pixel(x + 1, y), img.pixel(x, y + 1), img.pixel(x + 1, y + 1)};
                if (p[0] == pozadi && p[1] == pozadi && p[2] == pozadi && p[3] == pozadi)
                    continue;
                ++inkoustu;
                hran += !(p[0] == p[1] && p[0] == p[2] && p[0] == p[3]);
            }
        QVERIFY2(hran > inkoustu / 10, qPrintable(QStringLiteral("%1 of %2 blocks").arg(hran).arg(inkoustu)));
    }

    void popisek()
    {
        // Made hidden, the window draws neither picture; shown, each is drawn
        // at the label's ratio, and a new signal while shown is drawn at once.
        Tharmonicke2 okno;
        auto* prubeh = okno.findChild<TObraz*>("prubeh");
        auto* vzorec = okno.findChild<TObraz*>("Vzorec");
        QVERIFY(prubeh && vzorec);
        QVERIFY(prubeh->pixmap().isNull() && vzorec->pixmap().isNull());
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        const qreal pomer = prubeh->devicePixelRatioF();
        if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
            QCOMPARE(pomer, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
        for (int s : {0, 3}) {
            okno.findChild<QComboBox*>("vyber")->setCurrentIndex(s);
            QCOMPARE(prubeh->pomer(), pomer);
            QCOMPARE(prubeh->pixmap().devicePixelRatio(), pomer);
            QCOMPARE(prubeh->pixmap().deviceIndependentSize(), QSizeF(obrazky::VelikostPrubehu));
            QCOMPARE(rgb(prubeh->pixmap()), obrazky::prubeh(s, pomer).convertToFormat(QImage::Format_RGB32));
            QCOMPARE(rgb(vzorec->pixmap()), obrazky::vzorec(s, false, pomer).convertToFormat(QImage::Format_RGB32));
        }
    }
};

VORTA_TEST(TestObrazkyDpr)
#include "test_obrazky_dpr.moc"
