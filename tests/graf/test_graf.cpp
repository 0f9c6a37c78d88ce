// The graph control: its point store and style codes, the payload of a
// dragged graph, the popup menu with its pictures and graph files (every kind
// of bad file, the overwrite question), and facts of a painted graph read
// back from its pixels: where the plot frame, the labels, the zero lines and
// the points fall, computed from the font metrics and the layout rules.
#include "VortaTest.h"

#include "core/cisla.h"
#include "graf/TGraf.h"
#include "graf/TMenuGrafu.h"
#include "graf/barvy.h"
#include "graf/obrazky.h"
#include "graf/pisma.h"
#include "graf/tazeni.h"
#include "graf/vgf.h"
#include "graf/vykresleni.h"

#include <QMenu>
#include <QPainter>
#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace vorta::graf;

namespace {

const QRgb aqua = qRgb(0, 255, 255), cerna = qRgb(0, 0, 0), seda = qRgb(128, 128, 128);
const QRgb cervena = qRgb(255, 0, 0), modra = qRgb(0, 0, 255);
const double NaN = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
const QString formatText = QStringLiteral("Soubor nelze otevřít!\rFormát datového souboru je neplatný.");
const QString cteniText = QStringLiteral(
    "Došlo k chybě, soubor nelze otevřít!\rPravděpodobně jej používá jiná aplikace nebo je poškozen.");

// Dialogs that answer from a script instead of the user; past its end, the
// user cancels.
struct SkriptDialogu : TDialogyGrafu {
    QStringList soubory;     // what the file dialogs return, in turn
    QList<Odpoved> odpovedi; // answers to the overwrite question, in turn
    int dialogu = 0;
    QStringList otazky, chyby, upozorneni;

    QString filtr;           // the filter "chosen" with every file, if any

    QString ulozit(QWidget*, StavDialogu& stav) override
    {
        if (!filtr.isNull())
            stav.filtr = filtr;
        return soubory.value(dialogu++);
    }
    QString otevrit(QWidget*, StavDialogu&) override { return soubory.value(dialogu++); }
    Odpoved otazka(QWidget*, const QString& t) override
    {
        otazky << t;
        return odpovedi.value(otazky.size() - 1, Odpoved::Zrusit);
    }
    void chyba(QWidget*, const QString& t) override { chyby << t; }
    void varovani(QWidget*, const QString& t) override { upozorneni << t; }
};

// Counts the paints a widget receives.
struct Malby : QObject {
    int pocet = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        pocet += e->type() == QEvent::Paint;
        return false;
    }
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

QByteArray payload(const TGraf& g)
{
    return zakodujTazeni(QCoreApplication::applicationPid(), g.cisloGrafu(), g.PocetBodu(), g.sloty().data());
}

// A file header (mark, version 1.0, count) has the layout of a point record.
QByteArray hlavicka(float znacka, qint32 pocet)
{
    const TBod h{znacka, 1, pocet};
    return zakodujTazeni(0, 0, 1, &h).mid(20);
}

// The graph as the screen shows it.
QImage vykreslene(TGraf& g) { return g.grab().toImage().convertToFormat(QImage::Format_RGB32); }

QFontMetrics metriky() { return QFontMetrics(vorta::pismoGrafu()); }

// The plot frame laid out band by band, each band a line of text and a gap
// of 3: the title above, the x title and the x labels below, the y title and
// the y labels (`m` wide, with a gap either side) on the left.
QRect rozvrh(const TGraf& g, int m)
{
    const int pas = 3 + metriky().height();
    auto jen = [&](const QString& s) { return s.isEmpty() ? 0 : pas; };
    return QRect(QPoint(4 + jen(g.yNadpis()) + 3 + m + 3, 4 + jen(g.Nadpis())),
                 QPoint(g.width() - 5, g.height() - 5 - jen(g.xNadpis()) - pas));
}

// Pixel of a point (x, y) of a graph with the plot frame r and ranges 0 ... 100.
QPoint bod(const QRect& r, double x, double y)
{
    return {r.left() + int((r.right() - r.left()) / 100.0 * x), r.bottom() - int((r.bottom() - r.top()) / 100.0 * y)};
}

// A 300 x 200 graph without labels or grid, so that only its points and
// zero lines mark the plot area.
void holyGraf(TGraf& g, std::initializer_list<TBod> body = {})
{
    g.resize(300, 200);
    g.nastavOsy(0, 100, 0, 100, 0, 0);
    g.setCary(false);
    for (const TBod& b : body)
        g.PridejZaznam(b);
}

// A colour as a letter: '.' the background, '#' black, 'g' grey, 'x' red,
// 'b' blue, 'z' money green, '?' anything else.
QChar pismeno(QRgb c)
{
    return c == aqua ? u'.' : c == cerna ? u'#' : c == seda ? u'g' : c == cervena ? u'x' : c == modra ? u'b'
         : c == qRgb(192, 220, 192) ? u'z' : u'?';
}

// `n` pixels from `od` on in steps of `krok`, as letters.
QString rada(const QImage& o, QPoint od, QPoint krok, int n)
{
    QString s;
    for (int i = 0; i < n; ++i, od += krok)
        s += pismeno(o.pixel(od));
    return s;
}


// A Windows bitmap of 8 bits per pixel read by hand: file and info headers,
// the palette, rows bottom-up, each padded to four bytes with zeros. Empty
// when anything is off; `chyba` says what.
QImage ctiBmp(const QByteArray& b, QString& chyba)
{
    const auto u16 = [&](int o) { return qFromLittleEndian<quint16>(b.constData() + o); };
    const auto u32 = [&](int o) { return qFromLittleEndian<quint32>(b.constData() + o); };
    const auto i32 = [&](int o) { return qFromLittleEndian<qint32>(b.constData() + o); };
    if (b.size() < 54 || !b.startsWith("BM"))
        return chyba = QStringLiteral("no bitmap header"), QImage();
    const qint32 w = i32(18), h = i32(22);
    const quint32 barev = u32(46) ? u32(46) : 256, data = u32(10);
    const qsizetype radek = (w + 3) / 4 * 4;
    if (u32(2) != quint32(b.size()) || u32(14) != 40 || u16(26) != 1 || u16(28) != 8 || u32(30) != 0)
        return chyba = QStringLiteral("not a whole, uncompressed 8-bit bitmap"), QImage();
    if (w <= 0 || h <= 0 || barev > 256 || data < 54 + 4 * barev || data + radek * h != quint32(b.size()))
        return chyba = QStringLiteral("sizes do not add up"), QImage();
    QImage o(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        const char* r = b.constData() + data + radek * (h - 1 - y);
        for (int x = 0; x < radek; ++x) {
            const quint8 i = quint8(r[x]);
            if (x >= w) {
                if (i != 0)
                    return chyba = QStringLiteral("row %1 padding not zero").arg(y), QImage();
                continue;
            }
            if (i >= barev)
                return chyba = QStringLiteral("index past the palette"), QImage();
            const char* c = b.constData() + 54 + 4 * i; // blue, green, red, 0
            o.setPixel(x, y, qRgb(quint8(c[2]), quint8(c[1]), quint8(c[0])));
        }
    }
    return o;
}

// As root, file permissions bind only without these capabilities: they leave
// this thread's effective set for the object's life, so that "no permission"
// fails for root as for anyone.
class BezPravSpravce {
public:
    BezPravSpravce()
    {
        if (::geteuid() != 0 || ::syscall(SYS_capget, &m_hlavicka, m_puvodni) != 0)
            return;
        __user_cap_data_struct nove[2] = {m_puvodni[0], m_puvodni[1]};
        for (int c : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            nove[c / 32].effective &= ~(1u << (c % 32));
        m_zmeneno = ::syscall(SYS_capset, &m_hlavicka, nove) == 0;
    }
    ~BezPravSpravce()
    {
        if (m_zmeneno)
            ::syscall(SYS_capset, &m_hlavicka, m_puvodni);
    }

private:
    __user_cap_header_struct m_hlavicka{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_puvodni[2]{};
    bool m_zmeneno = false;
};

// Files of this process may grow to `bajtu` bytes only; a write beyond fails
// with "file too large", as a write onto a full disk fails, instead of
// ending the process.
class MalyDisk {
public:
    explicit MalyDisk(rlim_t bajtu)
    {
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_puvodni);
        const rlimit r{bajtu, m_puvodni.rlim_max};
        m_platne = ::setrlimit(RLIMIT_FSIZE, &r) == 0;
    }
    ~MalyDisk()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_puvodni);
        std::signal(SIGXFSZ, m_signal);
    }
    bool platne() const { return m_platne; }

private:
    rlimit m_puvodni{};
    void (*m_signal)(int) = nullptr;
    bool m_platne = false;
};

} // namespace

class TestGrafu : public QObject {
    Q_OBJECT
    QTemporaryDir m_slozka;
    std::unique_ptr<TGraf> g;
    std::shared_ptr<SkriptDialogu> d;
    QString cesta(const QString& jmeno) const { return m_slozka.filePath(jmeno); }

private slots:
    // What cannot be read at all, named by rows of spatneSoubory: a folder, a
    // socket, a named pipe (opening it would wait for a writer for ever), a
    // file without read permission.
    void initTestCase()
    {
        QVERIFY(QDir(m_slozka.path()).mkdir(QStringLiteral("folder")));
        const int soket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un adresa{AF_UNIX, {}};
        qstrncpy(adresa.sun_path, QFile::encodeName(cesta("socket")).constData(), sizeof adresa.sun_path);
        QCOMPARE(::bind(soket, reinterpret_cast<sockaddr*>(&adresa), sizeof adresa), 0);
        ::close(soket); // the socket file stays
        QCOMPARE(::mkfifo(QFile::encodeName(cesta("pipe")).constData(), 0600), 0);
        zapis(cesta("no permission"), zakodovany(TGraf()));
        QFile::setPermissions(cesta("no permission"), QFileDevice::Permissions{});
    }

    // Each test starts with a graph of three known points, its dialogs scripted.
    void init()
    {
        g = std::make_unique<TGraf>();
        d = std::make_shared<SkriptDialogu>();
        g->setDialogy(d);
        for (const TBod& b : {TBod{10, 20, 2}, {30, 40, 2}, {50, 60, -1}})
            g->PridejZaznam(b);
    }

    // A dragged graph (process, graph number, count) and a graph file (mark
    // 12345, version 1, count) carry the points as the same little-endian
    // records; the file adds the slot after the last point. The first point
    // after Smaz is a move, and Smaz keeps the coordinates; points are
    // singles; every point beyond the 3072nd lands in the last slot; reading
    // outside the slots gives a zero record.
    void body()
    {
        const QByteArray b = payload(*g), body = QByteArray::fromHex(
            "03000000 00002041 0000a041 00000000 0000f041 00002042 02000000 00004842 00007042 ffffffff");
        QCOMPARE(qFromLittleEndian<qint64>(b.constData()), QCoreApplication::applicationPid());
        QCOMPARE(qFromLittleEndian<quint64>(b.constData() + 8), g->cisloGrafu());
        QCOMPARE(b.mid(16), body);
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

    // A style code picks the colour and the pen width; a marker is a ring of
    // that colour and width around the radius 2 x width, filled with the
    // background.
    void stylovyKod_data()
    {
        QTest::addColumn<int>("styl");
        QTest::addColumn<QRgb>("barva");
        QTest::addColumn<int>("sirka"); // with SirkaCary 3
        QTest::newRow("2 blue") << 2 << modra << 3;
        QTest::newRow("201 red 2 px") << 201 << cervena << 2;
        QTest::newRow("-1 red") << -1 << cervena << 3;
        QTest::newRow("9 money green") << 9 << qRgb(192, 220, 192) << 3;
        QTest::newRow("10 black") << 10 << cerna << 3;
        QTest::newRow("199 black 1 px") << 199 << cerna << 1;
    }
    void stylovyKod()
    {
        QFETCH(int, styl);
        QFETCH(QRgb, barva);
        QFETCH(int, sirka);
        QCOMPARE(barvaStylu(styl), barva);
        QCOMPARE(sirkaStylu(styl, 3), sirka);
        TGraf g;
        holyGraf(g, {{50, 50, 0}, {50, 50, -std::abs(styl)}});
        g.setSirkaCary(3);
        const QString paprsek = rada(vykreslene(g), bod(rozvrh(g, 0), 50, 50), {-1, 0}, 20); // from the centre
        const int vnitrni = paprsek.indexOf(pismeno(barva));
        QVERIFY2(vnitrni > sirka && vnitrni <= 2 * sirka, qPrintable(paprsek));
        QCOMPARE(paprsek, QString(vnitrni, u'.') + QString(sirka, pismeno(barva)) + QString(20 - vnitrni - sirka, u'.'));
    }

    void pusteni_data()
    {
        using Zmena = std::function<void(QByteArray&, TGraf&)>;
        QTest::addColumn<Zmena>("zmena"); // of the payload or the receiver; all but "sound" are refused
        QTest::newRow("sound") << Zmena([](QByteArray&, TGraf&) {});
        QTest::newRow("one byte more") << Zmena([](QByteArray& b, TGraf&) { b.append('\0'); });
        QTest::newRow("one byte less") << Zmena([](QByteArray& b, TGraf&) { b.chop(1); });
        QTest::newRow("count -1") << Zmena([](QByteArray& b, TGraf&) { qToLittleEndian<qint32>(-1, b.data() + 16); });
        QTest::newRow("count 3073") << Zmena([](QByteArray& b, TGraf&) { qToLittleEndian<qint32>(3073, b.data() + 16); });
        QTest::newRow("another process") << Zmena([](QByteArray& b, TGraf&) { ++b[0]; });
        QTest::newRow("graph no longer alive") << Zmena([](QByteArray& b, TGraf&) { b = payload(TGraf()); });
        QTest::newRow("header only") << Zmena([](QByteArray& b, TGraf&) { b.truncate(20); });
        QTest::newRow("receiver takes no graphs") << Zmena([](QByteArray&, TGraf& cil) { cil.setPrijimaGrafy(false); });
    }
    // Enter and drop are both taken or both refused; a drop names its source.
    void pusteni()
    {
        QFETCH(std::function<void(QByteArray&, TGraf&)>, zmena);
        const bool prijato = QByteArray(QTest::currentDataTag()) == "sound";
        TGraf cil;
        cil.setPrijimaGrafy(true);
        QByteArray b = payload(*g);
        zmena(b, cil);
        QSignalSpy spy(&cil, &TGraf::grafPretazen);
        QMimeData mime;
        mime.setData(mimeTazeni, b);
        QDragEnterEvent vstup(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&cil, &vstup);
        QDropEvent pusteni(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&cil, &pusteni);
        QVERIFY(vstup.isAccepted() == prijato && pusteni.isAccepted() == prijato);
        QCOMPARE(spy.size(), prijato ? 1 : 0);
        QCOMPARE(spy.value(0).value(0).value<TGraf*>(), prijato ? g.get() : nullptr);
    }

    // The menu's items in order, the two graph-file items off until switched
    // on, which repaints nothing. A picture saved through the menu holds 8
    // bits per pixel and exactly what the screen shows of the graph without
    // its frame (and on white without background), while the graph keeps its
    // look and is not repainted; any other property repaints.
    void obrazek()
    {
        const QList<QAction*> a = g->popupMenu()->actions();
        QStringList texty;
        for (QAction* x : a)
            texty << (x->isSeparator() ? QStringLiteral("-") : x->text());
        QCOMPARE(texty, QStringList({"Uložit jako obrázek", "Uložit jako obrázek bez pozadí", "-",
                                     "Načíst graf ze souboru", "Uložit graf do souboru"}));
        QVERIFY(a[0]->isEnabled() && a[1]->isEnabled() && !a[3]->isEnabled() && !a[4]->isEnabled());
        const TMenuGrafu& m = *g->menuGrafu();
        QCOMPARE(m.dialogObrazku().filtry, QStringList({"Bitmap (*.bmp)", "PNG (*.png)", "Vše (*)"}));
        QVERIFY(m.dialogObrazku().pripona == "bmp" && m.dialogUlozeni().pripona == "vgf");
        QVERIFY(m.dialogOtevreni().pripona.isEmpty());
        g->resize(333, 201); // rows padded in the file
        g->setNadpis(QStringLiteral("Spektrum"));
        g->setYNadpis(QStringLiteral("|c(m)|"));
        g->nastavOsy(-2, 2, -1, 1, 8, 4);
        for (int i = 0; i <= 64; ++i)
            g->PridejBod(i % 3 == 2 ? -(i % 10) : i % 10 + 100 * (i % 3), -2 + i / 16.0, std::sin(i / 5.0));
        g->show();
        QVERIFY(QTest::qWaitForWindowExposed(g.get()));
        Malby malby;
        g->installEventFilter(&malby);
        g->setMenuOtevrit(true);
        g->setMenuUlozit(true);
        QVERIFY(a[3]->isEnabled() && a[4]->isEnabled());
        d->soubory = {cesta("s pozadim.bmp"), cesta("bez pozadi.bmp")};
        a[0]->trigger();
        a[1]->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(malby.pocet, 0);
        QVERIFY(g->Ramecek() == rDolu && g->BarvaPozadi() == QColor(aqua));
        g->setXCislic(-8);
        QCOMPARE(g->xCislic(), 8.0);
        QTRY_VERIFY(malby.pocet > 0);
        g->setRamecek(rZadny);
        for (const QString& soubor : d->soubory) {
            QString chyba;
            const QImage o = ctiBmp(obsah(soubor), chyba);
            QVERIFY2(!o.isNull(), qPrintable(chyba));
            QCOMPARE(o, vykreslene(*g));
            g->setBarvaPozadi(Qt::white);
        }
        // the same graph twice, the same bytes
        for (const char* jmeno : {"znovu 1.bmp", "znovu 2.bmp"})
            QVERIFY(!ulozObrazek(g->obrazek(false), {cesta(jmeno), FormatObrazku::Bmp}));
        QCOMPARE(obsah(cesta("znovu 1.bmp")), obsah(cesta("znovu 2.bmp")));
    }

    // A name ending in .png gives a PNG; a failed save says so, for a picture
    // with its reason in Czech. A graph saved through the menu and loaded
    // into a graph with other points is the same; a loaded graph starts a new
    // list.
    void ukladani()
    {
        d->soubory = {cesta("graf.PNG"), cesta("neni/x.bmp"), cesta("neni/x.vgf"), cesta("tam.vgf"), cesta("tam.vgf")};
        g->menuGrafu()->ulozObrazek(false);
        QVERIFY(obsah(cesta("graf.PNG")).startsWith("\x89PNG\r\n\x1a\n"));
        g->menuGrafu()->ulozObrazek(false);
        g->menuGrafu()->ulozGraf();
        QCOMPARE(d->chyby.value(0), "Došlo k chybě, obrázek nelze uložit!\rVybraná složka neexistuje.");
        QCOMPARE(d->chyby.value(1),
                 "Došlo k chybě, soubor nelze uložit!\rPravděpodobně do vybrané oblasti nemáte povolený zápis.");
        for (int k = 0; k < 801; ++k)
            g->PridejBod(k % 7 - 3, k / 8.0, (k * 37) % 100);
        g->menuGrafu()->ulozGraf();
        QCOMPARE(obsah(cesta("tam.vgf")), zakodovany(*g));
        TGraf cil;
        cil.setDialogy(d);
        cil.PridejBod(5, 1, 1);
        cil.menuGrafu()->nactiGraf();
        QCOMPARE(zakodovany(cil), zakodovany(*g));
        QVERIFY(d->chyby.size() == 2 && d->upozorneni.isEmpty() && d->otazky.isEmpty()); // nothing asked for a new file
        cil.PridejBod(2, 0, 0);
        QCOMPARE(cil.CtiBod(0).Styl, 0);
    }

    // Each row's tag names its file; a null `data` leaves the file as
    // initTestCase made it, or missing. A damaged file or one of another
    // version leaves the graph as it was.
    void spatneSoubory_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("zprava");
        QTest::addColumn<int>("pocet"); // -1: the graph keeps its three points
        const TBod body[] = {{7, 8, 0}, {9, 10, 2}, {11, 12, 2}, {}};
        const QByteArray zaznamy = zakodujVgf(3, body).mid(12);
        QTest::newRow("mark 12344.4") << hlavicka(12344.4f, 3) + zaznamy << formatText << -1;
        QTest::newRow("mark 12345.4 is rounded") << hlavicka(12345.4f, 3) + zaznamy << QString() << 3;
        QTest::newRow("mark NaN") << hlavicka(float(NaN), 3) + zaznamy << formatText << -1;
        QTest::newRow("count -1") << hlavicka(12345, -1) + zaznamy << formatText << -1;
        QTest::newRow("count 3073") << hlavicka(12345, 3073) + zaznamy << formatText << -1;
        QTest::newRow("count max int") << hlavicka(12345, 0x7fffffff) + zaznamy << formatText << -1;
        QTest::newRow("empty") << QByteArray("") << cteniText << -1;
        QTest::newRow("half a header") << hlavicka(12345, 3).left(6) << cteniText << -1;
        QTest::newRow("truncated") << hlavicka(12345, 3) + zaznamy.left(12 * 2 + 5) << cteniText << -1;
        QTest::newRow("no trailing slot") << hlavicka(12345, 3) + zaznamy.left(36) << cteniText << -1;
        QByteArray verze2 = hlavicka(12345, 3) + zaznamy;
        qToLittleEndian(2.0f, verze2.data() + 4);
        QTest::newRow("version 2.0") << verze2 << formatText << -1;
        QByteArray verzeTemer1 = hlavicka(12345, 3) + zaznamy;
        qToLittleEndian(std::nextafter(1.0f, 2.0f), verzeTemer1.data() + 4);
        QTest::newRow("version just above 1.0") << verzeTemer1 << formatText << -1;
        for (const char* nelze : {"folder", "socket", "pipe", "missing", "no permission"})
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
        BezPravSpravce bezPrav; // root too meets the file's missing permission
        if (d->soubory[0].endsWith("no permission"))
            QVERIFY2(!QFile(d->soubory[0]).open(QIODevice::ReadOnly), "the file is readable: the case cannot be made");
        g->menuGrafu()->nactiGraf();
        QCOMPARE(d->chyby + d->upozorneni, zprava.isEmpty() ? QStringList() : QStringList{zprava});
        QCOMPARE(d->upozorneni.size(), zprava == formatText ? 1 : 0);
        QCOMPARE(g->PocetBodu(), pocet < 0 ? 3 : pocet);
        QCOMPARE(g->CtiBod(1).x, pocet < 0 ? 30.0f : 9.0f);
    }

    void formatObrazku_data()
    {
        QTest::addColumn<QString>("jmeno"); // as the dialog returns it
        QTest::addColumn<QString>("filtr");
        QTest::addColumn<QString>("soubor"); // as written
        QTest::addColumn<bool>("png");
        const QString bmp = QStringLiteral("Bitmap (*.bmp)"), png = QStringLiteral("PNG (*.png)"),
                      vse = QStringLiteral("Vše (*)");
        QTest::newRow("bmp") << "graf.bmp" << bmp << "graf.bmp" << false;
        QTest::newRow("BMP under the PNG filter") << "graf.BMP" << png << "graf.BMP" << false;
        QTest::newRow("png under the bitmap filter") << "graf.png" << bmp << "graf.png" << true;
        QTest::newRow("Png, all files") << "graf.Png" << vse << "graf.Png" << true;
        QTest::newRow("no extension, PNG filter") << "graf" << png << "graf.png" << true;
        QTest::newRow("no extension, all files") << "graf" << vse << "graf.bmp" << false;
        QTest::newRow("no filter chosen yet") << "graf" << QString() << "graf.bmp" << false;
        QTest::newRow("jpg, bitmap filter") << "graf.jpg" << bmp << "graf.jpg.bmp" << false;
        QTest::newRow("gif, PNG filter") << "graf.gif" << png << "graf.gif.png" << true;
        QTest::newRow("ends in a dot") << "graf." << bmp << "graf.bmp" << false;
        QTest::newRow("two extensions") << "archiv.tar" << png << "archiv.tar.png" << true;
    }
    // The format follows a known extension, else the filter; a name with no
    // or an unknown extension gets the format's own, and the overwrite
    // question is asked about the file really written.
    void formatObrazku()
    {
        QFETCH(QString, jmeno);
        QFETCH(QString, filtr);
        QFETCH(QString, soubor);
        QFETCH(bool, png);
        QTemporaryDir slozka;
        d->filtr = filtr;
        d->soubory = {slozka.filePath(jmeno), slozka.filePath(jmeno)};
        d->odpovedi = {TDialogyGrafu::Odpoved::Ano};
        g->menuGrafu()->ulozObrazek(false);
        QCOMPARE(QDir(slozka.path()).entryList(QDir::Files), QStringList{soubor});
        const QByteArray b = obsah(slozka.filePath(soubor));
        QVERIFY(png ? b.startsWith("\x89PNG\r\n\x1a\n") : b.startsWith("BM"));
        QVERIFY(d->otazky.isEmpty() && d->chyby.isEmpty());
        g->menuGrafu()->ulozObrazek(false); // again: the file now exists
        QCOMPARE(d->otazky.size(), 1);
        QCOMPARE(QDir(slozka.path()).entryList(QDir::Files), QStringList{soubor});
    }

    void plnyDisk_data()
    {
        QTest::addColumn<QString>("soubor");
        QTest::addColumn<QSize>("velikost");
        QTest::addColumn<QString>("zprava");
        const QString obrazek = QStringLiteral("Došlo k chybě, obrázek nelze uložit!\rNa disku není dost místa.");
        // all of it within the save file's buffer: the write fails only at the end
        QTest::newRow("graph file") << "plny.vgf" << QSize(300, 200)
                                    << "Došlo k chybě, soubor nelze uložit!\rPravděpodobně do vybrané oblasti "
                                       "nemáte povolený zápis.";
        QTest::newRow("small picture") << "plny.bmp" << QSize(20, 12) << obrazek;
        QTest::newRow("large picture") << "plny.png" << QSize(333, 201) << obrazek;
    }
    // A disk that takes no more than 16 bytes of the new file: the save
    // reports the failure and the old file stays whole, with no temporary
    // file left beside it.
    void plnyDisk()
    {
        QFETCH(QString, soubor);
        QFETCH(QSize, velikost);
        QFETCH(QString, zprava);
        QTemporaryDir slozka;
        const QString c = slozka.filePath(soubor);
        const QByteArray stary = QByteArray("stary obsah, ktery se nesmi ztratit").repeated(3);
        zapis(c, stary);
        g->resize(velikost);
        d->soubory = {c};
        d->odpovedi = {TDialogyGrafu::Odpoved::Ano};
        {
            MalyDisk disk(16);
            QVERIFY(disk.platne());
            if (soubor.endsWith(".vgf"))
                g->menuGrafu()->ulozGraf();
            else
                g->menuGrafu()->ulozObrazek(false);
        }
        QCOMPARE(d->chyby, QStringList{zprava});
        QCOMPARE(obsah(c), stary);
        QCOMPARE(QDir(slozka.path()).entryList(QDir::Files | QDir::Hidden), QStringList{soubor});
        g->menuGrafu()->ulozGraf(); // no limit now: the same save succeeds
        g->menuGrafu()->ulozObrazek(false);
    }

    // A device that fails as a full disk does (no space left) on its first
    // write: both writers notice it, though everything fits their buffer,
    // and the reason reads "disk full".
    void plneZarizeni()
    {
        QVERIFY2(QFileInfo(QStringLiteral("/dev/full")).exists(), "no /dev/full on this system");
        QFile f(QStringLiteral("/dev/full"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(!zapisVgf(f, g->PocetBodu(), g->sloty().data()));
        QCOMPARE(duvodChyby(f.fileName(), f.error(), f.errorString()), QStringLiteral("Na disku není dost místa."));
        for (FormatObrazku format : {FormatObrazku::Bmp, FormatObrazku::Png}) {
            QFile o(QStringLiteral("/dev/full"));
            QVERIFY(o.open(QIODevice::WriteOnly));
            QVERIFY(!zapisObrazek(o, QImage(8, 8, QImage::Format_Indexed8), format));
        }
        QBuffer pamet; // and a device that takes everything is written whole
        pamet.open(QIODevice::WriteOnly);
        QVERIFY(zapisVgf(pamet, g->PocetBodu(), g->sloty().data()));
        QCOMPARE(pamet.data(), zakodovany(*g));
    }

    void chybyObrazku_data()
    {
        QTest::addColumn<QString>("soubor"); // in the test's folder
        QTest::addColumn<QString>("duvod");
        QTest::newRow("folder missing") << "neni/x.bmp" << "Vybraná složka neexistuje.";
        QTest::newRow("a file in place of the folder") << "soubor/x.bmp" << "Vybraná složka neexistuje.";
        QTest::newRow("folder read-only") << "jen cteni/x.bmp" << "Do vybrané složky nemáte povolený zápis.";
    }
    // Only Czech: the system's own (English) text never shows.
    void chybyObrazku()
    {
        QFETCH(QString, soubor);
        QFETCH(QString, duvod);
        QTemporaryDir slozka;
        zapis(slozka.filePath("soubor"), "x");
        zapis(slozka.filePath("jen cteni.bmp"), "stary");
        QVERIFY(QFile::setPermissions(slozka.filePath("jen cteni.bmp"), QFileDevice::ReadOwner));
        QVERIFY(QDir(slozka.path()).mkdir("jen cteni"));
        QVERIFY(QFile::setPermissions(slozka.filePath("jen cteni"), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        d->soubory = {slozka.filePath(soubor)};
        d->odpovedi = {TDialogyGrafu::Odpoved::Ano};
        {
            BezPravSpravce bezPrav; // root too meets the missing permission
            g->menuGrafu()->ulozObrazek(false);
        }
        QFile::setPermissions(slozka.filePath("jen cteni"), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                                | QFileDevice::ExeOwner);
        QCOMPARE(d->chyby, QStringList{"Došlo k chybě, obrázek nelze uložit!\r" + duvod});
    }

    void prepsani_data()
    {
        using O = TDialogyGrafu::Odpoved;
        QTest::addColumn<QList<O>>("odpovedi");
        QTest::addColumn<int>("dialogu");
        QTest::addColumn<bool>("zapsano");
        QTest::newRow("yes") << QList<O>{O::Ano} << 1 << true;
        QTest::newRow("no, then cancel the dialog") << QList<O>{O::Ne} << 2 << false;
        QTest::newRow("no, no, yes") << QList<O>{O::Ne, O::Ne, O::Ano} << 3 << true;
        QTest::newRow("cancel") << QList<O>{O::Zrusit} << 1 << false;
    }
    // Replacing a file leaves no temporary file behind.
    void prepsani()
    {
        QFETCH(QList<TDialogyGrafu::Odpoved>, odpovedi);
        QFETCH(int, dialogu);
        QFETCH(bool, zapsano);
        const QString c = cesta("prepis.vgf");
        zapis(c, "stary");
        d->soubory = QStringList(dialogu, c);
        d->odpovedi = odpovedi;
        if (!zapsano && dialogu > 1) // the dialog after the last "no" is cancelled
            d->soubory.last().clear();
        g->menuGrafu()->ulozGraf();
        QCOMPARE(d->dialogu, dialogu);
        QCOMPARE(d->otazky, QStringList(odpovedi.size(), "Tento soubor již existuje!\rPřejete si jej nahradit?"));
        QCOMPARE(obsah(c), zapsano ? zakodovany(*g) : QByteArray("stary"));
        QCOMPARE(QDir(m_slozka.path()).entryList({"prepis*"}, QDir::Files), QStringList{"prepis.vgf"});
    }

    void rozlozeni_data()
    {
        QTest::addColumn<QStringList>("nadpisy"); // title, x title, y title
        QTest::addColumn<QList<double>>("osa");   // x minimum, maximum, divisions
        QTest::addColumn<QString>("xPopisky"); // separated by spaces
        QTest::newRow("defaults") << QStringList(3) << QList<double>{0, 100, 10} << "0 10 20 30 40 50 60 70 80 90";
        QTest::newRow("y title, 4.4 divisions round to 4")
            << QStringList{"", "", "s(t)"} << QList<double>{0, 4.4, 4.4} << "0 1 2 3";
        QTest::newRow("all titles, -2 ... 2 in 8")
            << QStringList{"Spektrum", "t [s]", "s(t)"} << QList<double>{-2, 2, 8} << "-2 -1.5 -1 -0.5 0 0.5 1 1.5";
    }
    // The plot frame is black all round with the background just outside;
    // the sunken edge has its shadow at the top left, its highlight at the
    // bottom right. Each label is its text on an opaque box of its own size:
    // y labels right-aligned, x labels centred on their divisions, none at
    // the maximum.
    void rozlozeni()
    {
        QFETCH(QStringList, nadpisy);
        QFETCH(QList<double>, osa);
        QFETCH(QString, xPopisky);
        TGraf g;
        g.resize(400, 220);
        g.setNadpis(nadpisy[0]);
        g.setXNadpis(nadpisy[1]);
        g.setYNadpis(nadpisy[2]);
        g.nastavOsy(osa[0], osa[1], 0, 100, osa[2], 10);
        const QImage o = vykreslene(g);
        const QFontMetrics fm = metriky();
        const int a = fm.height();
        const QRect r = rozvrh(g, fm.horizontalAdvance(QStringLiteral("90")));
        const int w = r.width(), h = r.height();
        QCOMPARE(rada(o, r.topLeft(), {1, 0}, w) + rada(o, r.bottomLeft(), {1, 0}, w), QString(2 * w, u'#'));
        QCOMPARE(rada(o, r.topLeft(), {0, 1}, h) + rada(o, r.topRight(), {0, 1}, h), QString(2 * h, u'#'));
        QVERIFY(o.pixel(r.right() + 1, r.center().y()) == aqua && o.pixel(r.center().x(), r.top() - 1) == aqua);
        QVERIFY(o.pixel(5, 0) == seda && o.pixel(5, 219) == qRgb(255, 255, 255));
        auto popisek = [&](const QString& s, int x, int y) {
            QImage p(fm.horizontalAdvance(s), a, QImage::Format_RGB32);
            p.fill(aqua);
            QPainter malir(&p);
            malir.setFont(vorta::pismoGrafu());
            malir.drawText(0, fm.ascent(), s);
            return o.copy(x, y, p.width(), a) == p;
        };
        for (int i = 0; i < 10; ++i) {
            const QString s = QString::number(10 * i);
            const int y = r.bottom() - int(a / 2.0 + i * (r.bottom() - r.top()) / 10.0);
            QVERIFY2(popisek(s, r.left() - 6 - fm.horizontalAdvance(s), y), qPrintable(s));
        }
        const int y = r.bottom() + a - fm.horizontalAdvance(QStringLiteral("A")); // the x label band's odd offset
        // The table writes a dot; the graph writes the user's separator.
        for (int i = 0; const QString& s : QString(xPopisky).replace(u'.', vorta::desetinnyOddelovac()).split(u' ')) {
            const int x = r.left() + int(i++ * (r.right() - r.left()) / osa[2] - fm.horizontalAdvance(s) / 2.0);
            QVERIFY2(popisek(s, x, y), qPrintable(s));
        }
        QVERIFY(o.pixel(r.right() - 2, y + a / 2) == aqua && o.pixel(r.right() + 1, y + a / 2) == aqua);
    }

    // A solid grey zero line over a dotted grid; dotted without the grid.
    void nulovaCara_data()
    {
        QTest::addColumn<bool>("cary");
        QTest::addColumn<bool>("nuly");
        QTest::newRow("grid and zero lines") << true << true;
        QTest::newRow("zero lines only") << false << true;
        QTest::newRow("neither") << false << false;
    }
    void nulovaCara()
    {
        QFETCH(bool, cary);
        QFETCH(bool, nuly);
        TGraf g;
        holyGraf(g);
        g.nastavOsy(-2, 2, 0, 100, 8, 0);
        g.setCary(cary);
        g.setNuly(nuly);
        const QImage o = vykreslene(g);
        const QRect r = rozvrh(g, 0);
        const int x0 = r.left() + (r.right() - r.left()) / 2; // also the fifth division
        const int n = r.bottom() - 3 - r.top(); // from above the tick up to below the frame
        const QString cara = !nuly ? QString(n, u'.') : cary ? QString(n, u'g') : QString("...ggg").repeated(n).left(n);
        QCOMPARE(rada(o, {x0, r.bottom() - 3}, {0, -1}, n), cara);
        QCOMPARE(rada(o, {x0 - 1, r.bottom() - 3}, {0, -1}, n) + rada(o, {x0 + 1, r.bottom() - 3}, {0, -1}, n),
                 QString(2 * n, u'.'));
    }

    // Curves may cross the top and left frame lines but never the right and
    // bottom ones nor anything outside the plot area. Codes 0, 2, 2, 0, 2
    // give two polylines; a marker leaves the pen where it was; the held join
    // runs level first, then upright.
    void cary()
    {
        TGraf g;
        holyGraf(g, {{0, 50, 0}, {200, 50, 1}, {50, 50, 0}, {50, 1e30f, 1}, {30, 50, 0}, {30, -1e30f, 1}, {10, 20, 2},
                     {30, 20, 2}, {50, 20, 2}, {70, 20, 0}, {90, 20, 2}, {10, 80, 0}, {30, 95, -1}, {50, 80, 2}});
        QImage o = vykreslene(g);
        const QRect r = rozvrh(g, 0);
        const int y50 = bod(r, 0, 50).y(), x50 = bod(r, 50, 0).x(), x30 = bod(r, 30, 0).x();
        QCOMPARE(rada(o, {r.left(), y50}, {1, 0}, r.width() + 1), QString(r.width() - 1, u'x') + "#.");
        QCOMPARE(rada(o, {x50, r.top() - 1}, {0, 1}, 2), QStringLiteral(".x"));
        QCOMPARE(rada(o, {x30, r.bottom() - 1}, {0, 1}, 3), QStringLiteral("x#."));
        QCOMPARE(rada(o, bod(r, 40, 20), bod(r, 20, 0) - r.bottomLeft(), 3), QStringLiteral("b.b")); // 40, 60, 80
        QCOMPARE(o.pixel(bod(r, 20, 80)), modra);
        g.Smaz();
        g.setTvarovac(tPridrzeni);
        holyGraf(g, {{20, 20, 0}, {60, 70, 2}});
        o = vykreslene(g);
        const QPoint a = bod(r, 20, 20), b = bod(r, 60, 70);
        QCOMPARE(rada(o, a, {1, 0}, b.x() - a.x()) + rada(o, {b.x(), a.y()}, {0, -1}, a.y() - b.y()),
                 QString(b.x() - a.x() + a.y() - b.y(), u'b'));
        QCOMPARE(o.pixel(bod(r, 40, 45)), aqua);
    }

    // Whatever the values and points (NaN, infinite, huge, pens of any
    // width), a paint ends and makes the ranges increasing and finite (and
    // the graph keeps them), and the plot frame's bottom right corner stays
    // where the layout puts it.
    void nesmyslneHodnoty_data()
    {
        QTest::addColumn<QList<double>>("osy"); // as nastavOsy takes them
        QTest::addColumn<Rozsah>("y");          // the y range after the paint
        QTest::newRow("defaults") << QList<double>{0, 100, 0, 100, 10, 4} << Rozsah{0, 100};
        QTest::newRow("y range empty") << QList<double>{0, 100, 5, 5, 10, 10} << Rozsah{5, 5 + 1e-10};
        QTest::newRow("y range reversed") << QList<double>{0, 100, 5, 3, 10, 10} << Rozsah{5, 5 + 1e-10};
        QTest::newRow("y min NaN") << QList<double>{0, 100, NaN, 1, 10, 10} << Rozsah{0, 1};
        QTest::newRow("y max infinite") << QList<double>{0, 100, 0, inf, 10, 10} << Rozsah{0, 1e-10};
        QTest::newRow("y range huge, empty")
            << QList<double>{0, 100, 1e300, 1e300, 10, 10} << Rozsah{1e300, std::nextafter(1e300, inf)};
        QTest::newRow("x range NaN") << QList<double>{NaN, NaN, 0, 1, 10, 10} << Rozsah{0, 1};
        QTest::newRow("widest x range") << QList<double>{-1.7e308, 1.7e308, 0, 1, 10, 10} << Rozsah{0, 1};
        QTest::newRow("divisions 0, 0.4") << QList<double>{0, 1, 0, 1, 0, 0.4} << Rozsah{0, 1};
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
        QCOMPARE(o.pixel(194, 120 - 5 - 3 - metriky().height()), cerna);
    }
};

VORTA_TEST(TestGrafu)
#include "test_graf.moc"
