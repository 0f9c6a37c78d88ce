// The graph control: its point store and payloads, a drag, the popup menu's
// pictures and graph files (bad files, a full disk), a paint of nonsense values.
#include "VortaPomoc.h"
#include "VortaTest.h"

#include "graf/TGraf.h"
#include "graf/TMenuGrafu.h"
#include "graf/barvy.h"
#include "graf/obrazky.h"
#include "graf/pisma.h"
#include "graf/tazeni.h"
#include "graf/vgf.h"
#include "graf/vykresleni.h"

#include <QMenu>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace vorta::graf;

namespace {

const QRgb aqua = qRgb(0, 255, 255), cerna = qRgb(0, 0, 0);
const double NaN = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
const QString formatText = QStringLiteral("Soubor nelze otevřít!\rFormát datového souboru je neplatný.");
const QString cteniText = QStringLiteral(
    "Došlo k chybě, soubor nelze otevřít!\rPravděpodobně jej používá jiná aplikace nebo je poškozen.");

// Dialogs that answer from a script; past its end, the user cancels.
struct SkriptDialogu : TDialogyGrafu {
    QStringList soubory, chyby, upozorneni; // file dialogs' answers in turn; messages shown
    Odpoved prepsat = Odpoved::Zrusit;      // the answer to the overwrite question
    int dialogu = 0;
    QString ulozit(QWidget*, StavDialogu&) override { return soubory.value(dialogu++); }
    QString otevrit(QWidget*, StavDialogu&) override { return soubory.value(dialogu++); }
    Odpoved otazka(QWidget*, const QString&) override { return prepsat; }
    void chyba(QWidget*, const QString& t) override { chyby << t; }
    void varovani(QWidget*, const QString& t) override { upozorneni << t; }
};

void zapis(const QString& cesta, const QByteArray& data)
{
    QFile f(cesta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

QByteArray obsah(const QString& cesta)
{
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray zakodovany(const TGraf& g) { return zakodujVgf(g.PocetBodu(), g.sloty().data()); }

// A file header (mark, version 1.0, count) has the layout of a point record.
QByteArray hlavicka(float znacka, qint32 pocet)
{
    const TBod h{znacka, 1, pocet};
    return zakodujTazeni(0, 0, 1, &h).mid(20);
}

QImage vykreslene(TGraf& g) { return g.grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Files of this process may grow to `bajtu` bytes only: a write beyond fails
// as onto a full disk, instead of ending the process.
struct MalyDisk {
    void (*signal)(int) = std::signal(SIGXFSZ, SIG_IGN);
    rlimit puvodni{};
    bool platne = ::getrlimit(RLIMIT_FSIZE, &puvodni) == 0;
    explicit MalyDisk(rlim_t bajtu)
    {
        const rlimit r{bajtu, puvodni.rlim_max};
        platne = platne && ::setrlimit(RLIMIT_FSIZE, &r) == 0;
    }
    ~MalyDisk() { ::setrlimit(RLIMIT_FSIZE, &puvodni), std::signal(SIGXFSZ, signal); }
};

} // namespace

class TestGrafu : public QObject {
    Q_OBJECT
    QTemporaryDir m_slozka;
    std::unique_ptr<TGraf> g;
    std::shared_ptr<SkriptDialogu> d;
    QString cesta(const QString& jmeno) const { return m_slozka.filePath(jmeno); }

private slots:
    // Unreadable files of spatneSoubory: a folder, a named pipe (opening it
    // would wait for a writer for ever).
    void initTestCase()
    {
        QVERIFY(QDir(m_slozka.path()).mkdir(QStringLiteral("folder")));
        QCOMPARE(::mkfifo(QFile::encodeName(cesta("pipe")).constData(), 0600), 0);
    }

    void init()
    {
        g = std::make_unique<TGraf>();
        d = std::make_shared<SkriptDialogu>();
        g->setDialogy(d);
        for (const TBod& b : {TBod{10, 20, 2}, {30, 40, 2}, {50, 60, -1}})
            g->PridejZaznam(b);
    }

    // A drag (process, graph number, count) and a graph file (mark 12345,
    // version 1, count, then also the slot after the last point) carry the
    // same little-endian records. The first point after Smaz is a move, Smaz
    // keeps the coordinates; points beyond the 3072nd land in the last slot;
    // reading outside the slots gives a zero record.
    void body()
    {
        const QByteArray b = zakodujTazeni(QCoreApplication::applicationPid(), g->cisloGrafu(), 3, g->sloty().data());
        const QByteArray body = QByteArray::fromHex(
            "03000000 00002041 0000a041 00000000 0000f041 00002042 02000000 00004842 00007042 ffffffff");
        QCOMPARE(qFromLittleEndian<qint64>(b.constData()), QCoreApplication::applicationPid());
        QCOMPARE(qFromLittleEndian<quint64>(b.constData() + 8), g->cisloGrafu());
        QCOMPARE(b.mid(16), body);
        QVERIFY(dekodujTazeni(b) && !dekodujTazeni(b.chopped(1)) && !dekodujTazeni(b + '\0'));
        QCOMPARE(zakodovany(*g), QByteArray::fromHex("00e44046 0000803f") + body + QByteArray(12, 0));
        QCOMPARE(zakodovany(TGraf()), QByteArray::fromHex("00e44046 0000803f 00000000") + QByteArray(12, 0));
        QVERIFY(g->CtiBod(0).Styl == 0 && g->CtiBod(1).Styl == 2);
        g->Smaz();
        QVERIFY(g->CtiBod(1).Styl == 0 && g->CtiBod(1).x == 30);
        g->PridejZaznam(TBod{7, 8, -5});
        QCOMPARE(g->CtiBod(0).Styl, 0);
        g->PridejBod(1, 0.1, 1e300);
        QVERIFY(g->CtiBod(1).x == 0.1f && std::isinf(g->CtiBod(1).y));
        for (int i = 3; i <= 3080; ++i)
            g->PridejBod(2, i, -i);
        QCOMPARE(g->PocetBodu(), 3072);
        QCOMPARE(g->CtiBod(3071).x, 3072.0f);
        QVERIFY(g->CtiBod(3072).x == 3080 && g->CtiBod(3072).Styl == 2);
        for (int i : {-1, 3073, std::numeric_limits<int>::min()})
            QVERIFY2(!g->CtiBod(i).x && !g->CtiBod(i).y && !g->CtiBod(i).Styl, qPrintable(QString::number(i)));
        QVERIFY(barvaStylu(INT_MIN) == cerna && sirkaStylu(INT_MIN, 3) == maxSirkaPera); // the widest pen
    }

    void tazeni_data()
    {
        QTest::addColumn<bool>("automaticky"); // the graph's drag mode
        QTest::addColumn<int>("posun");        // how far the mouse moves; negative: after the release
        QTest::addColumn<bool>("tazeno");
        const int d = QApplication::startDragDistance();
        QTest::newRow("press and move exactly the distance") << true << d << true;
        QTest::newRow("move short of the distance") << true << d - 1 << false;
        QTest::newRow("click, then move without the button") << true << -d - 30 << false;
        QTest::newRow("no automatic drag mode") << false << d + 10 << false;
    }
    // A drag starts only from a real press and a move of the left button far
    // enough, in the automatic drag mode.
    void tazeni()
    {
        QFETCH(bool, automaticky);
        QFETCH(int, posun);
        QFETCH(bool, tazeno);
        g->resize(200, 120);
        g->setAutomatickeTazeni(automaticky);
        g->show();
        QVERIFY(QTest::qWaitForWindowExposed(g.get()));
        const auto obsah = dekodujTazeni(vortatest::neseneTazenim(g.get(), {60, 60}, posun));
        QCOMPARE(bool(obsah), tazeno);
        if (tazeno)
            QVERIFY(obsah->graf == g->cisloGrafu() && obsah->body.size() == 3 && obsah->body[2].x == 50);
    }

    // A picture saved through the menu: 8 bits per pixel, zero row padding,
    // the screen's graph without its frame (on white without background).
    void obrazek()
    {
        const QList<QAction*> a = g->popupMenu()->actions();
        g->resize(333, 201); // rows padded in the file
        g->setNadpis(QStringLiteral("Spektrum"));
        g->setYNadpis(QStringLiteral("|c(m)|"));
        g->nastavOsy(-2, 2, -1, 1, 8, 4);
        for (int i = 0; i <= 64; ++i)
            g->PridejBod(i % 3 == 2 ? -(i % 10) : i % 10 + 100 * (i % 3), -2 + i / 16.0, std::sin(i / 5.0));
        g->show();
        QVERIFY(QTest::qWaitForWindowExposed(g.get()));
        d->soubory = {cesta("s pozadim.bmp"), cesta("bez pozadi.bmp")};
        a[0]->trigger();
        a[1]->trigger();
        QVERIFY(g->Ramecek() == rDolu && g->BarvaPozadi() == QColor(aqua));
        g->setRamecek(rZadny);
        for (const QString& soubor : d->soubory) {
            const QByteArray b = obsah(soubor);
            QVERIFY(b.size() > 54 && qFromLittleEndian<quint16>(b.constData() + 28) == 8);
            const qint32 w = qFromLittleEndian<qint32>(b.constData() + 18), h = qFromLittleEndian<qint32>(b.constData() + 22);
            const qsizetype radek = (w + 3) / 4 * 4, data = qFromLittleEndian<quint32>(b.constData() + 10);
            QVERIFY(w % 4 != 0 && data + radek * h == b.size());
            for (qint32 y = 0; y < h; ++y)
                QCOMPARE(b.mid(data + y * radek + w, radek - w), QByteArray(radek - w, '\0'));
            QCOMPARE(QImage::fromData(b, "BMP").convertToFormat(QImage::Format_RGB32), vykreslene(*g));
            g->setBarvaPozadi(Qt::white);
        }
    }

    // The tag names the file (null data: as initTestCase made it, or missing).
    // A damaged file or one of another version leaves the graph as it was.
    void spatneSoubory_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("zprava");
        QTest::addColumn<int>("pocet"); // -1: the graph keeps its three points
        const TBod body[] = {{7, 8, 0}, {9, 10, 2}, {11, 12, 2}, {}};
        const QByteArray zaznamy = zakodujVgf(3, body).mid(12);
        QTest::newRow("mark 12344.4") << hlavicka(12344.4f, 3) + zaznamy << formatText << -1;
        QTest::newRow("mark 12345.4 is rounded") << hlavicka(12345.4f, 3) + zaznamy << QString() << 3;
        QTest::newRow("count 3073") << hlavicka(12345, 3073) + zaznamy << formatText << -1;
        QTest::newRow("truncated") << hlavicka(12345, 3) + zaznamy.left(12 * 2 + 5) << cteniText << -1;
        QByteArray verzeTemer1 = hlavicka(12345, 3) + zaznamy;
        qToLittleEndian(std::nextafter(1.0f, 2.0f), verzeTemer1.data() + 4);
        QTest::newRow("version just above 1.0") << verzeTemer1 << formatText << -1;
        for (const char* nelze : {"folder", "pipe", "missing"})
            QTest::newRow(nelze) << QByteArray() << cteniText << -1;
    }
    void spatneSoubory()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, zprava);
        QFETCH(int, pocet);
        d->soubory = {cesta(QString::fromLatin1(QTest::currentDataTag()))};
        if (!data.isNull())
            zapis(d->soubory[0], data);
        g->menuGrafu()->nactiGraf();
        QCOMPARE(d->chyby + d->upozorneni, zprava.isEmpty() ? QStringList() : QStringList{zprava});
        QCOMPARE(d->upozorneni.size(), zprava == formatText ? 1 : 0);
        QCOMPARE(g->PocetBodu(), pocet < 0 ? 3 : pocet);
        QCOMPARE(g->CtiBod(1).x, pocet < 0 ? 30.0f : 9.0f);
    }

    void plnyDisk_data()
    {
        QTest::addColumn<QString>("soubor");
        QTest::addColumn<QString>("zprava");
        // the graph file fits the save file's buffer: the write fails only at the end
        QTest::newRow("graph file") << "plny.vgf"
                                    << "Došlo k chybě, soubor nelze uložit!\rPravděpodobně do vybrané oblasti "
                                       "nemáte povolený zápis.";
        QTest::newRow("large picture") << "plny.png" << "Došlo k chybě, obrázek nelze uložit!\rNa disku není dost místa.";
    }
    // A disk that takes 16 bytes of the new file: the save reports it, the old
    // file stays whole, no temporary file is left beside it.
    void plnyDisk()
    {
        QFETCH(QString, soubor);
        QTemporaryDir slozka;
        const QString c = slozka.filePath(soubor);
        const QByteArray stary = QByteArray("stary obsah, ktery se nesmi ztratit").repeated(3);
        zapis(c, stary);
        g->resize(333, 201);
        d->soubory = {c};
        d->prepsat = TDialogyGrafu::Odpoved::Ano;
        {
            MalyDisk disk(16);
            QVERIFY(disk.platne);
            if (soubor.endsWith(".vgf"))
                g->menuGrafu()->ulozGraf();
            else
                g->menuGrafu()->ulozObrazek(false);
        }
        QTEST(d->chyby.value(0), "zprava");
        QCOMPARE(d->chyby.size(), 1);
        QCOMPARE(obsah(c), stary);
        QCOMPARE(QDir(slozka.path()).entryList(QDir::Files | QDir::Hidden), QStringList{soubor});
    }

    // Whatever the values and points (NaN, infinite, huge, pens of any width),
    // a paint ends, leaves the ranges increasing and finite, and the plot
    // frame's bottom right corner where the layout puts it.
    void nesmyslneHodnoty_data()
    {
        QTest::addColumn<QList<double>>("osy"); // as nastavOsy takes them
        QTest::addColumn<Rozsah>("y");          // the y range after the paint
        QTest::newRow("y min NaN") << QList<double>{0, 100, NaN, 1, 10, 10} << Rozsah{0, 1};
        QTest::newRow("widest x range") << QList<double>{-1.7e308, 1.7e308, 0, 1, 10, 10} << Rozsah{0, 1};
        QTest::newRow("y range huge, empty")
            << QList<double>{0, 100, 1e300, 1e300, 10, 10} << Rozsah{1e300, std::nextafter(1e300, inf)};
        QTest::newRow("divisions NaN, 1e300") << QList<double>{0, 1, 0, 1, NaN, 1e300} << Rozsah{0, 1};
    }
    void nesmyslneHodnoty()
    {
        QFETCH(QList<double>, osy);
        QFETCH(Rozsah, y);
        TGraf g;
        g.resize(200, 120);
        g.nastavOsy(osy[0], osy[1], osy[2], osy[3], osy[4], osy[5]);
        g.setSirkaCary(-5);
        for (int styl : {2, -1, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()})
            for (double v : {NaN, inf, -inf, 1e38, -1e38, 0.5})
                for (double w : {NaN, inf, -inf, 1e38, -1e38, 0.5})
                    g.PridejBod(styl, v, w);
        const QImage o = vykreslene(g);
        QVERIFY(g.xMax() > g.xMin() && std::isfinite(g.xMin()) && std::isfinite(g.xMax()));
        QVERIFY(g.yMin() == y.min && g.yMax() == y.max);
        QCOMPARE(o.pixel(194, 120 - 5 - 3 - QFontMetrics(vorta::pismoGrafu()).height()), cerna);
    }
};

VORTA_TEST(TestGrafu)
#include "test_graf.moc"
