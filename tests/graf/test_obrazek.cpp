// Pictures of a graph, read back byte by byte as a Windows bitmap, and the
// items of the popup menu.
#include "VortaTest.h"

#include "graf/TMenuGrafu.h"
#include "pomocne.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

struct Bitmapa {
    int sirka = 0, vyska = 0, bitu = 0;
    QImage obraz; // the pixels through the palette
};

// BITMAPFILEHEADER, BITMAPINFOHEADER, 256-entry palette, bottom-up rows
// padded to four bytes.
Bitmapa ctiBmp(const QByteArray& b)
{
    Bitmapa v;
    auto u32 = [&](int o) { return qFromLittleEndian<quint32>(b.constData() + o); };
    auto u16 = [&](int o) { return qFromLittleEndian<quint16>(b.constData() + o); };
    if (b.size() < 54 || !b.startsWith("BM") || u32(2) != quint32(b.size()) || u32(14) != 40)
        return v;
    v.sirka = qint32(u32(18));
    v.vyska = qint32(u32(22));
    v.bitu = u16(28);
    const quint32 data = u32(10);
    const int radek = (v.sirka + 3) / 4 * 4;
    if (v.bitu != 8 || u32(30) != 0 || data + quint32(radek * v.vyska) > quint32(b.size()))
        return v;
    v.obraz = QImage(v.sirka, v.vyska, QImage::Format_RGB32);
    for (int y = 0; y < v.vyska; ++y)
        for (int x = 0; x < v.sirka; ++x) {
            const uchar i = uchar(b[data + (v.vyska - 1 - y) * radek + x]);
            const char* p = b.constData() + 54 + 4 * i;
            v.obraz.setPixel(x, y, qRgb(uchar(p[2]), uchar(p[1]), uchar(p[0])));
        }
    return v;
}

} // namespace

class TestObrazek : public QObject {
    Q_OBJECT
    QTemporaryDir m_slozka;

private slots:
    void polozkyMenu()
    {
        TGraf g;
        const QList<QAction*> a = g.popupMenu()->actions();
        QStringList texty;
        for (QAction* x : a)
            texty << (x->isSeparator() ? QStringLiteral("-") : x->text());
        QCOMPARE(texty, QStringList({"Uložit jako obrázek", "Uložit jako obrázek bez pozadí", "-",
                                     "Načíst graf ze souboru", "Uložit graf do souboru"}));
        QVERIFY(a[0]->isEnabled() && a[1]->isEnabled());
        QCOMPARE(g.menuGrafu()->dialogObrazku().filtry.value(0), QStringLiteral("Bitmap (*.bmp)"));
        QCOMPARE(g.menuGrafu()->dialogUlozeni().pripona, QStringLiteral("vgf"));
        QVERIFY(g.menuGrafu()->dialogOtevreni().pripona.isEmpty());
    }

    void bitmapa_data()
    {
        QTest::addColumn<bool>("bezPozadi");
        QTest::newRow("with background") << false;
        QTest::newRow("without background") << true;
    }
    // The file holds 8 bits per pixel and exactly what the screen shows of
    // the same graph without its frame (and on white without background),
    // while the graph on screen keeps its look and is not repainted.
    void bitmapa()
    {
        QFETCH(bool, bezPozadi);
        TGraf g;
        auto d = std::make_shared<SkriptDialogu>();
        g.setDialogy(d);
        g.resize(333, 201); // rows padded in the file
        g.setNadpis(QStringLiteral("Spektrum"));
        g.setYNadpis(QStringLiteral("|c(m)|"));
        g.nastavOsy(-2, 2, -1, 1, 8, 4);
        for (int i = 0; i <= 64; ++i)
            g.PridejBod(i % 3 == 2 ? -(i % 10) : i % 10 + 100 * (i % 3), -2 + i / 16.0, std::sin(i / 5.0));
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        Malby malby;
        g.installEventFilter(&malby);
        const QString soubor = m_slozka.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".bmp");
        d->soubory = {soubor};
        g.menuGrafu()->ulozObrazek(bezPozadi);
        QCoreApplication::processEvents();
        QCOMPARE(malby.pocet, 0);
        QCOMPARE(g.Ramecek(), rDolu);
        QCOMPARE(g.BarvaPozadi(), QColor(0, 255, 255));

        QFile f(soubor);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const Bitmapa b = ctiBmp(f.readAll());
        QCOMPARE(b.bitu, 8);
        QCOMPARE(QSize(b.sirka, b.vyska), QSize(333, 201));
        TGraf vzor;
        vzor.resize(333, 201);
        vzor.nastavZaznamy(g.PocetBodu(), g.sloty().data(), TGraf::PocetSlotu);
        vzor.setNadpis(g.Nadpis());
        vzor.setYNadpis(g.yNadpis());
        vzor.nastavOsy(-2, 2, -1, 1, 8, 4);
        vzor.setRamecek(rZadny);
        if (bezPozadi)
            vzor.setBarvaPozadi(Qt::white);
        QCOMPARE(b.obraz, vykreslene(vzor));
        QVERIFY(d->chyby.isEmpty());
    }

    void pngANeuspech()
    {
        TGraf g;
        auto d = std::make_shared<SkriptDialogu>();
        g.setDialogy(d);
        g.resize(100, 80);
        d->soubory = {m_slozka.filePath(QStringLiteral("graf.PNG")), m_slozka.filePath(QStringLiteral("neni/x.bmp"))};
        g.menuGrafu()->ulozObrazek(false);
        QFile f(m_slozka.filePath(QStringLiteral("graf.PNG")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(8) == QByteArray("\x89PNG\r\n\x1a\n"));
        QVERIFY(d->chyby.isEmpty());
        g.menuGrafu()->ulozObrazek(false);
        QCOMPARE(d->chyby.size(), 1);
        const QStringList radky = TDialogyGrafu::radky(d->chyby[0]).split(u'\n');
        QCOMPARE(radky.size(), 2);
        QCOMPARE(radky[0], QStringLiteral("Došlo k chybě, obrázek nelze uložit!"));
        QVERIFY(!radky[1].isEmpty()); // the system's own words
    }
};

VORTA_TEST(TestObrazek)
#include "test_obrazek.moc"
