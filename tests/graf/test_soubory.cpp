// Graph files: their exact bytes, a round trip through the popup menu, every
// kind of bad file, and the overwrite question.
#include "VortaTest.h"

#include "graf/TMenuGrafu.h"
#include "graf/vgf.h"
#include "pomocne.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QString formatText = QStringLiteral("Soubor nelze otevřít!\rFormát datového souboru je neplatný.");
const QString cteniText = QStringLiteral(
    "Došlo k chybě, soubor nelze otevřít!\rPravděpodobně jej používá jiná aplikace nebo je poškozen.");
const QString zapisText =
    QStringLiteral("Došlo k chybě, soubor nelze uložit!\rPravděpodobně do vybrané oblasti nemáte povolený zápis.");
const QString otazkaText = QStringLiteral("Tento soubor již existuje!\rPřejete si jej nahradit?");

QByteArray hlavicka(float znacka, qint32 pocet)
{
    QByteArray b(12, 0);
    qToLittleEndian(znacka, b.data());
    qToLittleEndian(1.0f, b.data() + 4);
    qToLittleEndian(pocet, b.data() + 8);
    return b;
}

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

// A graph with three known points, its dialogs scripted.
std::shared_ptr<SkriptDialogu> pripravGraf(TGraf& g)
{
    auto d = std::make_shared<SkriptDialogu>();
    g.setDialogy(d);
    g.resize(300, 200);
    g.PridejBod(2, 10, 20);
    g.PridejBod(2, 30, 40);
    g.PridejBod(-1, 50, 60);
    return d;
}

} // namespace

class TestSoubory : public QObject {
    Q_OBJECT
    QTemporaryDir m_slozka;
    QString cesta(const char* jmeno) const { return m_slozka.filePath(QString::fromLatin1(jmeno)); }

private slots:
    void prazdnyGraf()
    {
        TGraf g;
        QCOMPARE(vorta::graf::zakodujVgf(g.PocetBodu(), g.sloty().data()).toHex(' '),
                 QByteArray("00 e4 40 46 00 00 80 3f 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"));
    }

    void grafo801Bodech()
    {
        TGraf g;
        for (int k = 0; k < 801; ++k)
            g.PridejBod(201, k * 0.5, -k);
        const QByteArray b = vorta::graf::zakodujVgf(g.PocetBodu(), g.sloty().data());
        QCOMPARE(b.size(), 9636);
        QCOMPARE(b.left(12).toHex(' '), QByteArray("00 e4 40 46 00 00 80 3f 21 03 00 00"));
        QCOMPARE(b.mid(12, 12).toHex(' '), QByteArray(12, 0).toHex(' ')); // the first point is a move
        QCOMPARE(b.mid(24, 12).toHex(' '), QByteArray("00 00 00 3f 00 00 80 bf c9 00 00 00")); // 0.5, -1, 201
        QCOMPARE(b.mid(12 * 801, 12).toHex(' '), QByteArray("00 00 c8 43 00 00 48 c4 c9 00 00 00")); // 400, -800
        QCOMPARE(b.right(12), QByteArray(12, 0)); // the slot after the last point
    }

    void tamAZpet()
    {
        TGraf zdroj, cil;
        auto dz = pripravGraf(zdroj);
        for (int k = 0; k < 801; ++k)
            zdroj.PridejBod(k % 7 - 3, k / 8.0, (k * 37) % 100);
        auto dc = std::make_shared<SkriptDialogu>();
        cil.setDialogy(dc);
        cil.resize(zdroj.size());
        dz->soubory = {cesta("tam.vgf")};
        zdroj.menuGrafu()->ulozGraf();
        QCOMPARE(obsah(cesta("tam.vgf")).size(), 12 * (804 + 2));
        dc->soubory = {cesta("tam.vgf")};
        cil.PridejBod(5, 1, 1);
        cil.menuGrafu()->nactiGraf();
        QCOMPARE(cil.PocetBodu(), 804);
        for (int k = 0; k <= 804; ++k) {
            const TBod a = zdroj.CtiBod(k), b = cil.CtiBod(k);
            QVERIFY(a.x == b.x && a.y == b.y && a.Styl == b.Styl);
        }
        QCOMPARE(vykreslene(cil), vykreslene(zdroj));
        QVERIFY(dz->chyby.isEmpty() && dc->chyby.isEmpty() && dc->upozorneni.isEmpty());
        cil.PridejBod(2, 0, 0); // a loaded graph starts a new list
        QCOMPARE(cil.CtiBod(0).Styl, 0);
    }

    void spatneSoubory_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("zprava");
        QTest::addColumn<int>("pocet"); // -1: the graph keeps its three points
        QTest::addColumn<float>("x1");
        const QByteArray zaznamy = vorta::graf::zakodujVgf(3, std::array<TBod, 4>{{{7, 8, 0}, {9, 10, 2}, {11, 12, 2}, {}}}.data()).mid(12);
        QTest::newRow("mark 12344.4") << hlavicka(12344.4f, 3) + zaznamy << formatText << -1 << 30.0f;
        QTest::newRow("mark 12345.4 is rounded") << hlavicka(12345.4f, 3) + zaznamy << QString() << 3 << 9.0f;
        QTest::newRow("mark NaN") << hlavicka(std::numeric_limits<float>::quiet_NaN(), 3) + zaznamy << formatText
                                  << -1 << 30.0f;
        QTest::newRow("count -1") << hlavicka(12345, -1) + zaznamy << formatText << -1 << 30.0f;
        QTest::newRow("count 3073") << hlavicka(12345, 3073) + zaznamy << formatText << -1 << 30.0f;
        QTest::newRow("count max int") << hlavicka(12345, 0x7fffffff) + zaznamy << formatText << -1 << 30.0f;
        QTest::newRow("empty") << QByteArray() << cteniText << -1 << 30.0f;
        QTest::newRow("half a header") << hlavicka(12345, 3).left(6) << cteniText << -1 << 30.0f;
        // the two records read stay; the count shrinks to what was read
        QTest::newRow("truncated") << hlavicka(12345, 3) + zaznamy.left(12 * 2 + 5) << cteniText << 2 << 9.0f;
        QTest::newRow("no trailing slot") << hlavicka(12345, 3) + zaznamy.left(36) << cteniText << 3 << 9.0f;
    }
    void spatneSoubory()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, zprava);
        QFETCH(int, pocet);
        QFETCH(float, x1);
        TGraf g;
        auto d = pripravGraf(g);
        zapis(cesta("spatny.vgf"), data);
        d->soubory = {cesta("spatny.vgf")};
        g.menuGrafu()->nactiGraf();
        const QStringList zpravy = d->chyby + d->upozorneni;
        QCOMPARE(zpravy, zprava.isEmpty() ? QStringList() : QStringList{zprava});
        QCOMPARE(d->upozorneni.size(), zprava == formatText ? 1 : 0);
        QCOMPARE(g.PocetBodu(), pocet < 0 ? 3 : pocet);
        QCOMPARE(g.CtiBod(1).x, x1);
    }

    // What cannot be read at all: a folder, a missing file, a socket, a file
    // without read permission.
    void necitelneSoubory()
    {
        QDir(m_slozka.path()).mkdir(QStringLiteral("slozka.vgf"));
        const QString soket = cesta("soket.vgf");
        const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un adresa{};
        adresa.sun_family = AF_UNIX;
        qstrncpy(adresa.sun_path, QFile::encodeName(soket).constData(), sizeof adresa.sun_path);
        QCOMPARE(::bind(s, reinterpret_cast<sockaddr*>(&adresa), sizeof adresa), 0);
        QStringList cesty{cesta("slozka.vgf"), cesta("neni.vgf"), soket};
        if (::geteuid() != 0) {
            zapis(cesta("zamceny.vgf"), hlavicka(12345, 0) + QByteArray(12, 0));
            QFile::setPermissions(cesta("zamceny.vgf"), QFileDevice::Permissions{});
            cesty << cesta("zamceny.vgf");
        }
        for (const QString& c : cesty) {
            TGraf g;
            auto d = pripravGraf(g);
            d->soubory = {c};
            g.menuGrafu()->nactiGraf();
            QCOMPARE(d->chyby, QStringList{cteniText});
            QCOMPARE(g.PocetBodu(), 3);
        }
        ::close(s);
    }

    void prepsani_data()
    {
        using O = TDialogyGrafu::Odpoved;
        QTest::addColumn<bool>("existuje");
        QTest::addColumn<QList<O>>("odpovedi");
        QTest::addColumn<int>("dialogu");
        QTest::addColumn<bool>("zapsano");
        QTest::newRow("new file") << false << QList<O>{} << 1 << true;
        QTest::newRow("yes") << true << QList<O>{O::Ano} << 1 << true;
        QTest::newRow("no, then cancel the dialog") << true << QList<O>{O::Ne} << 2 << false;
        QTest::newRow("no, no, yes") << true << QList<O>{O::Ne, O::Ne, O::Ano} << 3 << true;
        QTest::newRow("cancel") << true << QList<O>{O::Zrusit} << 1 << false;
    }
    void prepsani()
    {
        QFETCH(bool, existuje);
        QFETCH(QList<TDialogyGrafu::Odpoved>, odpovedi);
        QFETCH(int, dialogu);
        QFETCH(bool, zapsano);
        const QString c = cesta("prepis.vgf");
        QFile::remove(c);
        if (existuje)
            zapis(c, "stary");
        TGraf g;
        auto d = pripravGraf(g);
        d->soubory = {c, c, c};
        d->odpovedi.assign(odpovedi.begin(), odpovedi.end());
        if (odpovedi.size() == 1 && odpovedi[0] == TDialogyGrafu::Odpoved::Ne)
            d->soubory = {c, QString()};
        g.menuGrafu()->ulozGraf();
        QCOMPARE(d->dialogu, dialogu);
        QCOMPARE(d->otazky, QStringList(odpovedi.size(), otazkaText));
        QCOMPARE(obsah(c).size(), zapsano ? 12 * 5 : (existuje ? 5 : 0));
    }

    void neuspesneUlozeni()
    {
        TGraf g;
        auto d = pripravGraf(g);
        d->soubory = {cesta("neni/graf.vgf")};
        g.menuGrafu()->ulozGraf();
        QCOMPARE(d->chyby, QStringList{zapisText});
        // a successful replacement leaves no temporary file behind
        zapis(cesta("cely.vgf"), "stary");
        QVERIFY(vorta::graf::ulozVgf(cesta("cely.vgf"), g.PocetBodu(), g.sloty().data()));
        QCOMPARE(QDir(m_slozka.path()).entryList({"cely*"}, QDir::Files), QStringList{"cely.vgf"});
    }
};

VORTA_TEST(TestSoubory)
#include "test_soubory.moc"
