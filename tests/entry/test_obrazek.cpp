#include "VortaTest.h"

#include "entry/Tobrazek.h"
#include "entry/jpeg.h"
#include "entry/nacteni.h"
#include "entry/obrazek.h"
#include "shell/zadatel.h"

#include <QBuffer>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <complex>
#include <numbers>

using namespace obrazek;

namespace {

constexpr QRgb Cerna = 0xff000000u;
constexpr QRgb Modra = 0xff0a78c8u; // the colour of the test curves

QImage bile(QSize s)
{
    QImage i(s, QImage::Format_RGB32);
    i.fill(Qt::white);
    return i;
}

// Canvas rows r0 ... r1 of the given columns in a colour.
void pruh(QImage& i, int r0, int r1, QRgb barva, int c0 = 0, int c1 = Sirka - 1)
{
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c)
            i.setPixel(c, r, barva);
}

QByteArray zakoduj(const QImage& i, const char* format, int kvalita = -1)
{
    QByteArray data;
    QBuffer b(&data);
    if (!b.open(QIODevice::WriteOnly) || !i.save(&b, format, kvalita))
        qFatal("cannot write %s", format);
    return data;
}

// A JPEG of a small picture, the offset of the size in its frame header, and the JPEG with another size.
QByteArray vzorovyJpeg()
{
    QImage i = bile({64, 48});
    QPainter(&i).fillRect(8, 8, 30, 20, QColor(200, 30, 30));
    return zakoduj(i, "jpeg", 90);
}
int sofPozice(const QByteArray& j) { return int(j.indexOf("\xFF\xC0", 2)); }
QByteArray jpegSRozmerem(quint16 w, quint16 h)
{
    QByteArray j = vzorovyJpeg();
    const char r[] = {char(h >> 8), char(h & 0xff), char(w >> 8), char(w & 0xff)};
    return j.replace(sofPozice(j) + 5, 4, QByteArrayView(r, 4));
}

QByteArray svg(const QString& sirka, const QString& vyska, const QString& telo)
{
    return QStringLiteral("<?xml version=\"1.0\"?><svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\">%3</svg>")
        .arg(sirka, vyska, telo).toUtf8();
}

// The sine plot of the window tests as another program would draw it: a white
// 900 x 600 page, a grey grid and one period of a sine in blue, antialiased,
// from x 150 to 750 with the zero line at y 300 and amplitude 200.
QImage vykreslenySinus()
{
    QImage obraz = bile({900, 600});
    QPainter p(&obraz);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(190, 190, 190), 1));
    for (int x = 150; x <= 750; x += 60)
        p.drawLine(x, 80, x, 520);
    QPainterPath cesta;
    for (int i = 0; i <= 2000; ++i) {
        const double t = i / 2000.0;
        const QPointF b(150 + t * 600, 300 - 200 * std::sin(2 * std::numbers::pi * t));
        i == 0 ? cesta.moveTo(b) : cesta.lineTo(b);
    }
    p.setPen(QPen(QColor::fromRgb(Modra), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(cesta);
    return obraz;
}

double c1(const Krivka& v)
{
    std::complex<double> s;
    for (int i = 0; i < Sirka; ++i)
        s += double(v[i]) * std::polar(1.0, -2 * std::numbers::pi * i / Sirka);
    return std::abs(s) / Sirka;
}

} // namespace

class TestObrazek : public QObject {
    Q_OBJECT
private slots:
    // A band of rows 150 ... 152 in columns 0 ... 299, and columns 300 ... 599 crossed twice: at rows
    // 100 and 300; one step off black is another colour.
    void metody()
    {
        QImage i = bile({Sirka, Vyska});
        pruh(i, 150, 152, Cerna, 0, 299);
        pruh(i, 100, 100, Cerna, 300, 599);
        pruh(i, 300, 300, Cerna, 300, 599);
        pruh(i, 250, 250, 0xff010000u, 0, 599);
        const double vPruhu[] = {0.25, 0.24, 0.245}, dvakrat[] = {0.5, -0.5, 0}; // first from top, from bottom, mean
        for (int m = 0; m < 3; ++m) {
            const Krivka v = analyzuj(i, Cerna, Metoda(m), true);
            for (int c : {0, 150, 299})
                QCOMPARE_LE(std::abs(v[c] - vPruhu[m]), 1e-6);
            for (int c : {300, 599})
                QCOMPARE_LE(std::abs(v[c] - dvakrat[m]), 1e-6);
        }
    }

    // The extremes of the scale: the top row is 1, row 200 zero, the bottom
    // row -0.995. An unpainted canvas (window never shown) matches nothing.
    void mezniRadky()
    {
        QImage i = bile({Sirka, Vyska});
        pruh(i, 0, 0, Cerna, 0, 199);
        pruh(i, 200, 200, Cerna, 200, 399);
        pruh(i, 399, 399, Cerna, 400, 599);
        const Krivka v = analyzuj(i, Cerna, Metoda::PrvniZhora, false);
        QCOMPARE(v[0], 1.0f);
        QCOMPARE(v[300], 0.0f);
        QCOMPARE(v[599], -0.995f);
        const Krivka prazdna = analyzuj(QImage(), Qt::white, Metoda::PrvniZhora, true);
        QVERIFY(std::all_of(prazdna.begin(), prazdna.end(), [](float x) { return x == 0; }));
    }

    // A dashed curve at row 100, from the top: dashes and gaps of 20 columns, the first gap at 0 when
    // odMezery; with `preklen` a gap takes the curve's value, without it 200.
    void preklen()
    {
        const struct {
            bool preklen, odMezery;
            float vMezere, naZacatku;
        } pripady[] = {{true, false, 0.5f, 0.5f}, {false, false, 200.0f, 0.5f}, {true, true, 0.5f, 0.0f}};
        for (const auto& [preklen, odMezery, vMezere, naZacatku] : pripady) {
            QImage i = bile({Sirka, Vyska});
            for (int c = 0; c < Sirka; ++c)
                if ((c / 20) % 2 == (odMezery ? 1 : 0))
                    i.setPixel(c, 100, Modra);
            const Krivka v = analyzuj(i, Modra, Metoda::PrvniZhora, preklen);
            QCOMPARE_LE(std::abs(v[odMezery ? 50 : 30] - vMezere), 1e-6);
            QCOMPARE_LE(std::abs(v[5] - naZacatku), 1e-6);
        }
    }

    // A sine period set one pixel per column, and drawn by a painter as a one-pixel polyline: every
    // method finds it within a pixel (a steep polyline covers several rows of a column: its top and
    // bottom lie up to half the step to the next column away).
    void sinusNaPlatne()
    {
        auto sinus = [](double c) { return 0.75 * std::sin(2 * std::numbers::pi * (c + 0.5) / Sirka); };
        for (int malir = 0; malir < 2; ++malir)
            for (int metoda = 0; metoda < 3; ++metoda) {
                QImage i = bile({Sirka, Vyska});
                if (malir) {
                    QPainter p(&i);
                    p.setPen(QPen(QColor::fromRgb(Modra), 0));
                    QPolygonF cara;
                    for (int c = 0; c < Sirka; ++c)
                        cara << QPointF(c + 0.5, 200.5 - 200 * sinus(c));
                    p.drawPolyline(cara);
                } else {
                    for (int c = 0; c < Sirka; ++c)
                        i.setPixel(c, int(std::lround(200 - 200 * sinus(c))), Modra);
                }
                pruh(i, 200, 200, Cerna); // the axis in another colour
                const Krivka v = analyzuj(i, Modra, Metoda(metoda), true);
                const double tolerance = !malir ? 0.5 / 200 : metoda == 2 ? 1.0 / 200 : 3.5 / 200;
                for (int c = 0; c < Sirka; ++c)
                    QVERIFY2(std::abs(v[c] - sinus(c)) <= tolerance,
                             qPrintable(QStringLiteral("%4/%5 sloupec %1: %2 místo %3").arg(c).arg(v[c]).arg(sinus(c)).arg(malir).arg(metoda)));
            }
    }

    // Canvas columns and rows against the source pixels of a 10 x 8 picture (red = column, green =
    // row), also for trims that cross; trims that just meet leave only the background.
    void vykresleni()
    {
        QImage i(10, 8, QImage::Format_RGB32);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 10; ++x)
                i.setPixel(x, y, qRgb(x, y, 77));
        const struct {
            Orez orez;
            int sloupec0, sloupec599, radek0, radek399; // -1: background only
        } pripady[] = {{{}, 0, 9, 0, 7}, {{2, 3, 1, 1}, 2, 6, 1, 6}, {{8, 8, 0, 0}, 7, 2, 0, 7}, {{5, 5, 0, 0}, -1, -1, -1, -1}};
        for (const auto& p : pripady) {
            QImage platno;
            vykresli(i, p.orez, qRgb(1, 2, 3), platno);
            QCOMPARE(platno.size(), QSize(Sirka, Vyska));
            if (p.sloupec0 < 0) {
                QVERIFY(platno.pixel(0, 0) == qRgb(1, 2, 3) && platno.pixel(599, 399) == qRgb(1, 2, 3));
                continue;
            }
            const QList<int> v{qRed(platno.pixel(0, 100)), qRed(platno.pixel(599, 100)), qGreen(platno.pixel(100, 0)),
                               qGreen(platno.pixel(100, 399))};
            QCOMPARE(v, (QList<int>{p.sloupec0, p.sloupec599, p.radek0, p.radek399}));
        }
    }

    // Loading: our libjpeg path against Qt's own JPEG reader, colour and grey; both a JPEG of the picture.
    void jpegJakoQt()
    {
        QImage i(320, 240, QImage::Format_RGB32);
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 320; ++x)
                i.setPixel(x, y, qRgb(x * 255 / 319, y * 255 / 239, (x * y) % 256));
        for (const QImage& zdroj : {i, i.convertToFormat(QImage::Format_Grayscale8)}) {
            const QByteArray data = zakoduj(zdroj, "jpeg", 85);
            const QImage nase = nacti(data), qt = QImage::fromData(data, "jpeg").convertToFormat(QImage::Format_RGB32);
            QVERIFY(!qt.isNull());
            QCOMPARE(nase.size(), QSize(320, 240));
            QCOMPARE(nase.format(), QImage::Format_RGB32);
            int nejvic = 0;
            for (int y = 0; y < 240; ++y)
                for (int x = 0; x < 320; ++x)
                    for (int posun : {0, 8, 16})
                        nejvic = std::max(nejvic, std::abs(int((nase.pixel(x, y) >> posun) & 0xff) - int((qt.pixel(x, y) >> posun) & 0xff)));
            QCOMPARE_LE(nejvic, 2);
            QCOMPARE_LE(std::abs(qRed(nase.pixel(300, 10)) - qRed(zdroj.convertToFormat(QImage::Format_RGB32).pixel(300, 10))), 12);
        }
    }

    // Lossless formats give back exactly the written pixels; transparency
    // lies on white; SVG is drawn at its own size.
    void formaty()
    {
        QImage i = bile({64, 48});
        pruh(i, 10, 12, Modra, 5, 50);
        pruh(i, 30, 30, Cerna, 0, 63);
        for (const char* format : {"bmp", "png"}) {
            const QImage v = nacti(zakoduj(i, format));
            QCOMPARE(v.format(), QImage::Format_RGB32);
            QCOMPARE(v, i);
        }
        QImage pruhledny(20, 10, QImage::Format_ARGB32);
        pruhledny.fill(Qt::transparent);
        pruhledny.setPixel(3, 3, Modra);
        const QImage p = nacti(zakoduj(pruhledny, "png"));
        QCOMPARE(p.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(p.pixel(3, 3), Modra);
        const QImage v = nacti(svg("40", "30", "<rect x=\"10\" y=\"0\" width=\"10\" height=\"30\" fill=\"#0a78c8\"/>"));
        QCOMPARE(v.size(), QSize(40, 30));
        QCOMPARE(v.pixel(15, 15), Modra);
        QCOMPARE(v.pixel(2, 15), qRgb(255, 255, 255));
    }

    // Files that must be refused quietly, without a crash or a hang; the
    // too-large ones from their header.
    void spatne_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QByteArray j = vzorovyJpeg();
        QTest::newRow("prázdný soubor") << QByteArray();
        QTest::newRow("JPEG useknutý") << j.left(j.size() / 2);
        QByteArray presnost = j;
        presnost[sofPozice(j) + 4] = 12; // 12-bit samples: not for this decoder
        QTest::newRow("JPEG poškozená hlavička") << presnost;
        QTest::newRow("JPEG nulová šířka") << jpegSRozmerem(0, 48);
        QTest::newRow("JPEG obří hlavička") << jpegSRozmerem(60000, 60000);
        QTest::newRow("SVG nejde přečíst") << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"><g>");
        QTest::newRow("SVG obří") << svg("200000", "100000", "<rect width=\"5\" height=\"5\"/>");
    }
    void spatne()
    {
        QFETCH(QByteArray, data);
        QElapsedTimer t;
        t.start();
        QVERIFY(nacti(data).isNull());
        QCOMPARE_LT(t.elapsed(), 2000);
    }

    // The limit is on pixels, from the header: a picture just inside is taken.
    void mezVelikosti()
    {
        for (const QByteArray& d : {vzorovyJpeg(), zakoduj(bile({64, 48}), "png")})
            QVERIFY(!nacti(d, 64 * 48).isNull() && nacti(d, 64 * 48 - 1).isNull());
    }
};

class TestTobrazek : public QObject {
    Q_OBJECT

    QTemporaryDir m_slozka;

    QString soubor(const QString& jmeno, const QByteArray& data)
    {
        const QString cesta = m_slozka.filePath(jmeno);
        QFile f(cesta);
        if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
            qFatal("cannot write %s", qPrintable(cesta));
        return cesta;
    }
    static QScrollBar* bar(Tobrazek& o, const char* jmeno) { return o.findChild<QScrollBar*>(jmeno); }
    static constexpr const char* Okraje[] = {"zleva", "zprava", "zhora", "zdola"};
    static void orizni(Tobrazek& o, QList<int> v)
    {
        for (const char* b : Okraje)
            bar(o, b)->setValue(v.takeFirst());
    }
    // The sine plot shown and opened: trims 150, 150, 100, 100 give exactly one period at the
    // result's scale, and a press and release on the peak (canvas x 150, y 0) picks its colour.
    const QImage m_graf = vykreslenySinus();
    bool otevriGraf(Tobrazek& o, const char* format = "png", int kvalita = -1)
    {
        o.show();
        if (!QTest::qWaitForWindowExposed(&o)
            || !o.otevri(soubor(QStringLiteral("graf.") + format, zakoduj(m_graf, format, kvalita))))
            return false;
        orizni(o, {150, 150, 100, 100});
        QTest::mousePress(o.findChild<QWidget*>("platno"), Qt::LeftButton, {}, {150, 0});
        QTest::mouseRelease(o.findChild<QWidget*>("platno"), Qt::LeftButton, {}, {150, 0});
        return true;
    }

private slots:
    void initTestCase() { QVERIFY(m_slozka.isValid()); }

    // The whole road: a plot opened as PNG and as JPEG (whose colours move: quality 50 still matches),
    // trimmed to its period, the colour picked by a click: the delivered period has |c1| = 0.5.
    void sinusZObrazku()
    {
        for (const auto& [format, kvalita, tolerance] : {std::tuple("png", 100, 0.01), {"jpeg", 50, 0.02}}) {
            Tobrazek o;
            QVERIFY(otevriGraf(o, format, kvalita));
            if (QByteArray(format) == "png")
                QCOMPARE(o.barva().rgb(), Modra);
            std::vector<double> dodano;
            zadatel::registruj(3, [&](const std::vector<double>& v) { dodano = v; });
            zadatel::nastav(3);
            o.findChild<QPushButton*>("Button3")->click();
            zadatel::registruj(3, {});
            zadatel::nastav(5);
            QVERIFY(o.result() == QDialog::Accepted && !o.isVisible());
            QCOMPARE(dodano.size(), size_t(600));
            Krivka v{};
            std::copy(dodano.begin(), dodano.end(), v.begin());
            QCOMPARE_LE(std::abs(c1(v) - 0.5), tolerance);
            QCOMPARE(v, o.krivka());
        }
    }

    // Storno and Esc deliver nothing ("OK" delivers: above); OK with a code outside 1 ... 5 delivers
    // nothing but the window still closes.
    void zavreni()
    {
        for (const auto& [jak, kod] : {std::pair("ok", 6), {"storno", 1}, {"esc", 1}}) {
            Tobrazek o;
            o.show();
            QVERIFY(QTest::qWaitForWindowExposed(&o));
            int pocet = 0;
            for (int k = 1; k <= 5; ++k)
                zadatel::registruj(k, [&](const std::vector<double>&) { ++pocet; });
            zadatel::nastav(kod);
            if (QByteArray(jak) == "esc")
                QTest::keyClick(bar(o, "zdola"), Qt::Key_Escape);
            else
                o.findChild<QPushButton*>(QByteArray(jak) == "ok" ? "Button3" : "Button4")->click();
            for (int k = 1; k <= 5; ++k)
                zadatel::registruj(k, {});
            zadatel::nastav(5);
            QVERIFY2(!o.isVisible() && pocet == 0, jak);
        }
    }

    // A trim repaints the canvas at once; the result follows 600 to 900 ms
    // after the last change.
    void odpocet()
    {
        Tobrazek o;
        QVERIFY(otevriGraf(o));
        const Krivka pred = o.krivka();
        const QImage platnoPred = o.platno();
        QTRY_VERIFY_WITH_TIMEOUT(!o.findChild<QTimer*>("cas")->isActive(), 2000);
        const int n = o.pocetAnalyz();
        QElapsedTimer t;
        t.start();
        bar(o, "zhora")->setValue(120);
        QVERIFY(o.platno() != platnoPred);
        QCOMPARE(o.krivka(), pred);
        while (o.pocetAnalyz() == n && t.elapsed() < 3000)
            QTest::qWait(5);
        const qint64 za = t.elapsed();
        QCOMPARE(o.pocetAnalyz(), n + 1);
        QVERIFY2(za >= 590 && za <= 1100, qPrintable(QString::number(za)));
        QVERIFY(o.krivka() != pred);
    }

    // Opening another picture resets the trims unless `neres` is checked; then each keeps its value,
    // reduced to the new maximum.
    void neres()
    {
        for (bool neres : {false, true}) {
            Tobrazek o;
            o.show();
            QVERIFY(QTest::qWaitForWindowExposed(&o));
            QVERIFY(o.otevri(soubor("velky.png", zakoduj(bile({800, 600}), "png"))));
            orizni(o, {700, 10, 500, 598});
            o.findChild<QCheckBox*>("neres")->setChecked(neres);
            QVERIFY(o.otevri(soubor("maly.bmp", zakoduj(bile({300, 200}), "bmp"))));
            QList<int> trimy, maxima;
            for (const char* b : Okraje)
                trimy << bar(o, b)->value(), maxima << bar(o, b)->maximum();
            QCOMPARE(trimy, (neres ? QList<int>{298, 10, 198, 198} : QList<int>{0, 0, 0, 0}));
            QCOMPARE(maxima, (QList<int>{298, 298, 198, 198}));
        }
    }

    // A truncated or missing file changes nothing: picture, canvas, trims, colour and curve stay.
    void spatnySoubor()
    {
        Tobrazek o;
        QVERIFY(otevriGraf(o));
        const QImage obr = o.obr(), platnoPred = o.platno();
        const Krivka v = o.krivka();
        const int n = o.pocetAnalyz();
        const QByteArray j = vzorovyJpeg();
        for (const QString& cesta : {soubor("spatny.jpg", j.left(j.size() / 2)), m_slozka.filePath("neni.jpg")}) {
            o.vyberSoubor = [cesta] { return cesta; };
            o.findChild<QPushButton*>("Button1")->click();
            QVERIFY(o.obr() == obr && o.platno() == platnoPred && o.krivka() == v && o.pocetAnalyz() == n);
            QVERIFY(o.barva().rgb() == Modra && bar(o, "zleva")->value() == 150 && bar(o, "zleva")->maximum() == 898);
        }
    }
};

VORTA_TEST(TestObrazek)
VORTA_TEST(TestTobrazek)

#include "test_obrazek.moc"
