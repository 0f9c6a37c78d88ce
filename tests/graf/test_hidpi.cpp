// Graphs on a HiDPI screen: painted at the device's pixel ratio, not as an
// enlarged 1x picture; the kept background rebuilt for another ratio; saved
// pictures at their 1x size. The class runs once more with QT_SCALE_FACTOR=2,
// where the control itself is grabbed from the screen.
#include "VortaTest.h"

#include "graf/TGraf.h"
#include "graf/obrazky.h"
#include "graf/vykresleni.h"

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

// What the control puts onto a device of ratio `dpr`; with `zvetsena`, its
// 1x picture enlarged onto it, as a HiDPI screen showed graphs before.
QImage malba(TGraf& g, qreal dpr, bool zvetsena = false)
{
    QImage o(fyzickaVelikost(g.size(), dpr), QImage::Format_RGB32);
    o.setDevicePixelRatio(dpr);
    o.fill(Qt::magenta);
    QPainter p(&o);
    if (zvetsena)
        p.drawImage(0, 0, malba(g, 1));
    else
        g.vykresli(p);
    return o;
}

// Device pixels in which the graph differs from its enlarged 1x picture:
// thousands where texts, lines and markers are drawn at the finer grid.
int ostrychPixelu(TGraf& g, const QImage& o, qreal dpr)
{
    const QImage zvetsena = malba(g, dpr, true);
    int n = 0;
    for (int y = 0; y < o.height(); ++y)
        for (int x = 0; x < o.width(); ++x)
            n += o.pixel(x, y) != zvetsena.pixel(x, y);
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
    // Drawn at the device's pixels; the kept background and the stamped
    // markers give the pixels of drawing everything anew with markers by the
    // painter; the plot frame stays where 1x puts it; after a paint at
    // ratio 1 (a window moved to another screen) the background is rebuilt.
    void ostre()
    {
        QFETCH(qreal, dpr);
        TGraf g;
        naplnGraf(g);
        const QImage o = malba(g, dpr);
        QVERIFY(!g.kreslir().pouzitoPozadi());
        QCOMPARE(malba(g, dpr), o);
        QVERIFY(g.kreslir().pouzitoPozadi());
        QVERIFY2(ostrychPixelu(g, o, dpr) > 2000, "the graph is the 1x picture enlarged");
        PopisGrafu popis = g.popis();
        popis.dpr = dpr;
        QImage kreslene, razitka;
        vykresliGraf(kreslene, popis, false);
        vykresliGraf(razitka, popis, true);
        QCOMPARE(razitka, kreslene);
        QCOMPARE(kreslene, o);
        // the plot frame's right edge (which no point reaches), and not beyond
        QImage jedna;
        const QRect r = vykresliPozadi(jedna, g.popis());
        const int x = int(std::lround(r.right() * dpr)), y = int(std::lround(r.center().y() * dpr));
        QCOMPARE(o.pixel(x, y), qRgb(0, 0, 0));
        QVERIFY(o.pixel(x + int(std::ceil(dpr)), y) != qRgb(0, 0, 0));

        QImage reference;
        vykresliGraf(reference, g.popis(), false);
        QCOMPARE(malba(g, 1), reference);
        QCOMPARE(malba(g, dpr), o);
        QVERIFY(!g.kreslir().pouzitoPozadi());
    }

    // A saved picture has the control's size at scale 1 and the pixels of a
    // graph never shown at a higher ratio.
    void obrazekJednou()
    {
        TGraf naObrazovce, nikdy;
        naplnGraf(naObrazovce);
        naplnGraf(nikdy);
        malba(naObrazovce, 2);
        QTemporaryDir slozka;
        for (const bool bezPozadi : {false, true}) {
            const QImage obraz = naObrazovce.obrazek(bezPozadi);
            QCOMPARE(obraz, nikdy.obrazek(bezPozadi));
            for (const FormatObrazku format : {FormatObrazku::Bmp, FormatObrazku::Png}) {
                const QString soubor = slozka.filePath(QStringLiteral("graf%1%2").arg(bezPozadi).arg(int(format)));
                QVERIFY(!ulozObrazek(obraz, {soubor, format}));
                QCOMPARE(QImageReader(soubor).size(), naObrazovce.size());
            }
        }
    }

    // The control as the screen shows it: under QT_SCALE_FACTOR=2 at the
    // screen's pixels, at 1 exactly the plain 1x paint.
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
            QVERIFY2(ostrychPixelu(g, o, dpr) > 2000, "the screen shows the 1x picture enlarged");
        }
    }
};

VORTA_TEST(TestHidpi)
#include "test_hidpi.moc"
