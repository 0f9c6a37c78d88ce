// Formula pictures, sketches and icons on a scaled screen: as many more pixels as the ratio asks, laid
// out as at scale 1, with detail of their own rather than enlarged scale-1 pixels; the labels draw them
// when first shown, at their own ratio (the suite runs again with QT_SCALE_FACTOR=2).
#include "VortaTest.h"

#include "app/ikony.h"
#include "shell/TObraz.h"
#include "continuous/Tharmonicke2.h"
#include "continuous/obrazky.h"

#include <QComboBox>
#include <QPixmap>

namespace {

QImage kresba(const QString& druh, int signal, qreal pomer)
{
    return druh == u"prubeh"      ? obrazky::prubeh(signal, pomer)
           : druh == u"vzorec"    ? obrazky::vzorec(signal, false, pomer)
           : druh == u"komplexne" ? obrazky::vzorec(signal, true, pomer)
           : druh == u"konvoluce" ? obrazky::vzorecKonvoluce(pomer)
           : druh == u"otaznik"   ? ikony::otaznik(pomer)
                                  : ikony::logo(pomer);
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
        for (qreal pomer : {2.0, 1.5})
            for (auto [druh, signal] : {std::pair("prubeh", 1), {"prubeh", 5}, {"vzorec", 2}, {"komplexne", 5},
                                        {"konvoluce", 0}, {"otaznik", 0}, {"logo", 0}})
                QTest::addRow("%s %d x%g", druh, signal, pomer) << QString::fromLatin1(druh) << signal << pomer;
    }
    void ostrost()
    {
        QFETCH(QString, druh);
        QFETCH(int, signal);
        QFETCH(qreal, pomer);
        const QImage jedna = kresba(druh, signal, 1), img = kresba(druh, signal, pomer);
        QCOMPARE(jedna.devicePixelRatio(), 1.0);
        QCOMPARE(img.devicePixelRatio(), pomer);
        QCOMPARE(img.size(), (QSizeF(jedna.size()) * pomer).toSize());
        // Laid out as at scale 1: the inked area, in logical pixels, within 1.5 pixels of the scale-1 one's.
        const QRectF a = inkoust(jedna), b = inkoust(img);
        const QRectF bl(b.topLeft() / pomer, b.size() / pomer);
        for (qreal d : {a.left() - bl.left(), a.top() - bl.top(), a.right() - bl.right(), a.bottom() - bl.bottom()})
            QVERIFY2(std::abs(d) <= 1.5, qPrintable(QStringLiteral("edge off by %1").arg(d)));
        if (pomer != 2)
            return;
        // An enlarged scale-1 picture fills every 2 x 2 block with one colour; one drawn at the ratio has
        // edges inside many of the blocks it inks (the logo's filled disc leaves the fewest, a fifth).
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

    // Made hidden, the window draws neither picture; shown, each is drawn at the label's ratio, and
    // a new signal while shown is drawn at once.
    void popisek()
    {
        Tharmonicke2 okno;
        auto* prubeh = okno.findChild<TObraz*>("prubeh");
        auto* vzorec = okno.findChild<TObraz*>("Vzorec");
        QVERIFY(prubeh && vzorec && prubeh->pixmap().isNull() && vzorec->pixmap().isNull());
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
