// Graphs on a HiDPI screen: painted at the device's own pixel ratio, not as
// an enlarged 1x picture; the background kept per ratio; saved pictures at
// their 1x size whatever the screen. The same class runs once more with
// QT_SCALE_FACTOR=2, where the control itself is grabbed from the screen.
#include "VortaTest.h"

#include "graf/TGraf.h"
#include "graf/obrazky.h"
#include "graf/vykresleni.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>

using namespace vorta::graf;

namespace {

// A sloped thin line, a thick one, markers of two widths and all titles.
void naplnGraf(TGraf& g)
{
    g.resize(330, 210);
    g.nastavNadpisy(QStringLiteral("Šikmá čára"), QStringLiteral("t [s]"), QStringLiteral("s(t)"));
    g.nastavOsy(-1, 1, -1, 1, 4, 4);
    g.PridejBod(0, -1, -0.9);
    g.PridejBod(1, 1, 0.3);
    g.PridejBod(0, -1, 0.9);
    g.PridejBod(202, 1, -0.4);
    g.PridejBod(-3, -0.5, 0.5);
    g.PridejBod(-304, 0.5, -0.5);
}

// What the control puts onto a device of ratio `dpr`.
QImage malba(TGraf& g, qreal dpr)
{
    QImage o(fyzickaVelikost(g.size(), dpr), QImage::Format_RGB32);
    o.setDevicePixelRatio(dpr);
    o.fill(Qt::magenta);
    QPainter p(&o);
    g.vykresli(p);
    return o;
}

// The 1x picture enlarged onto a device of ratio `dpr`: what a HiDPI screen
// showed before the graph drew at the device's pixels.
QImage zvetsenaJednicka(TGraf& g, qreal dpr)
{
    QImage jedna = malba(g, 1);
    QImage o(fyzickaVelikost(g.size(), dpr), QImage::Format_RGB32);
    o.setDevicePixelRatio(dpr);
    o.fill(Qt::magenta);
    QPainter p(&o);
    p.drawImage(0, 0, jedna);
    return o;
}

// Aligned 2 x 2 blocks of device pixels that are not of one colour.
int nestejneBloky(const QImage& o)
{
    int n = 0;
    for (int y = 0; y + 1 < o.height(); y += 2)
        for (int x = 0; x + 1 < o.width(); x += 2) {
            const QRgb c = o.pixel(x, y);
            if (o.pixel(x + 1, y) != c || o.pixel(x, y + 1) != c || o.pixel(x + 1, y + 1) != c)
                ++n;
        }
    return n;
}

// Columns in one row of the picture that differ from the 1x picture's.
int jinychPixelu(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

} // namespace

class TestHidpi : public QObject {
    Q_OBJECT

private slots:
    void ostre_data()
    {
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("2") << qreal(2);
        QTest::newRow("1.5") << qreal(1.5);
    }
    // Lines and texts step at the device's pixels; the kept background and
    // the stamped markers give the pixels of drawing everything anew with
    // markers by the painter; the layout stays where 1x puts it.
    void ostre()
    {
        QFETCH(qreal, dpr);
        TGraf g;
        naplnGraf(g);
        const QImage o = malba(g, dpr);
        QCOMPARE(o.size(), fyzickaVelikost(g.size(), dpr));
        QVERIFY(!g.kreslir().pouzitoPozadi());
        QCOMPARE(malba(g, dpr), o);
        QVERIFY(g.kreslir().pouzitoPozadi());
        // an enlarged 1x picture would differ from this in its texts, lines
        // and markers: thousands of device pixels
        QVERIFY2(jinychPixelu(o, zvetsenaJednicka(g, dpr)) > 2000, "the graph is the 1x picture enlarged");
        if (dpr == 2) // the enlarged picture is made of uniform 2 x 2 blocks only
            QVERIFY(nestejneBloky(o) > 200);
        PopisGrafu popis = g.popis();
        popis.dpr = dpr;
        QImage kreslene, razitka;
        vykresliGraf(kreslene, popis, false);
        vykresliGraf(razitka, popis, true);
        QCOMPARE(razitka, kreslene);
        QCOMPARE(kreslene.devicePixelRatio(), dpr);
        QCOMPARE(kreslene.copy(), o.copy());
        // the plot frame's right and bottom edges where 1x puts them (the
        // points never reach these)
        QImage jedna;
        const QRect r = vykresliPozadi(jedna, g.popis());
        auto fyz = [dpr](int v) { return int(std::lround(v * dpr)); };
        const int xStred = fyz((r.left() + r.right()) / 2), yStred = fyz((r.top() + r.bottom()) / 2);
        QCOMPARE(o.pixel(fyz(r.right()), yStred), qRgb(0, 0, 0));
        QCOMPARE(o.pixel(xStred, fyz(r.bottom())), qRgb(0, 0, 0));
        QVERIFY(o.pixel(fyz(r.right()) + int(std::ceil(dpr)), yStred) != qRgb(0, 0, 0));
    }

    // Another ratio (a window moved between screens) rebuilds the kept
    // background; back at 1 the pixels are those of the plain 1x paint.
    void pozadiPodlePomeru()
    {
        TGraf g;
        naplnGraf(g);
        const QImage jedna = malba(g, 1);
        malba(g, 2);
        QVERIFY(!g.kreslir().pouzitoPozadi());
        malba(g, 2);
        QVERIFY(g.kreslir().pouzitoPozadi());
        const QImage zpet = malba(g, 1);
        QVERIFY(!g.kreslir().pouzitoPozadi());
        QCOMPARE(zpet, jedna);
        QImage reference;
        vykresliGraf(reference, g.popis(), false);
        QCOMPARE(zpet, reference);
    }

    void obrazekJednou_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("bezPozadi");
        QTest::newRow("bmp") << int(FormatObrazku::Bmp) << false;
        QTest::newRow("png without background") << int(FormatObrazku::Png) << true;
    }
    // A saved picture has the control's size at scale 1 and the pixels of a
    // graph never shown at a higher ratio.
    void obrazekJednou()
    {
        QFETCH(int, format);
        QFETCH(bool, bezPozadi);
        TGraf naObrazovce, nikdy;
        naplnGraf(naObrazovce);
        naplnGraf(nikdy);
        malba(naObrazovce, 2);
        const QImage obraz = naObrazovce.obrazek(bezPozadi);
        QCOMPARE(obraz.size(), naObrazovce.size());
        QCOMPARE(obraz, nikdy.obrazek(bezPozadi));
        QTemporaryDir slozka;
        const QString soubor = slozka.filePath(QStringLiteral("graf"));
        QVERIFY(!ulozObrazek(obraz, {soubor, FormatObrazku(format)}));
        QImageReader cteni(soubor);
        QCOMPARE(cteni.size(), naObrazovce.size());
    }

    // The control as the screen shows it: under QT_SCALE_FACTOR=2 at the
    // screen's pixels, at 1 exactly the 1x paint.
    void naObrazovce()
    {
        TGraf g;
        naplnGraf(g);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        const qreal dpr = g.devicePixelRatioF();
        // the run at scale 2 must really be at 2, not quietly at 1
        const QString skala = qEnvironmentVariable("QT_SCALE_FACTOR");
        QCOMPARE(dpr, skala.isEmpty() ? 1.0 : skala.toDouble());
        const QImage o = g.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(o.size(), fyzickaVelikost(g.size(), dpr));
        if (dpr == 1) {
            QImage reference;
            vykresliGraf(reference, g.popis(), false);
            QCOMPARE(o, reference);
        } else {
            QVERIFY2(jinychPixelu(o, zvetsenaJednicka(g, dpr)) > 2000, "the screen shows the 1x picture enlarged");
        }
    }
};

VORTA_TEST(TestHidpi)
#include "test_hidpi.moc"
