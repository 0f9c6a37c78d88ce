#include "VortaTest.h"

#include "entry/Tobrazek.h"
#include "entry/jpeg.h"
#include "entry/nacteni.h"
#include "entry/obrazek.h"
#include "shell/zadatel.h"

#include <QBuffer>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QImageReader>
#include <QImageWriter>
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

Q_DECLARE_METATYPE(obrazek::Orez)

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
    b.open(QIODevice::WriteOnly);
    QImageWriter w(&b, format);
    w.setQuality(kvalita);
    if (!w.write(i))
        qFatal("cannot write %s: %s", format, qPrintable(w.errorString()));
    return data;
}

// A JPEG of a small picture, and the offset of the size in its frame header.
QByteArray vzorovyJpeg()
{
    QImage i = bile({64, 48});
    QPainter p(&i);
    p.fillRect(8, 8, 30, 20, QColor(200, 30, 30));
    p.end();
    return zakoduj(i, "jpeg", 90);
}
int sofPozice(const QByteArray& j)
{
    for (int k = 2; k + 1 < j.size(); ++k)
        if (static_cast<unsigned char>(j[k]) == 0xFF && static_cast<unsigned char>(j[k + 1]) == 0xC0)
            return k;
    return -1;
}
QByteArray jpegSRozmerem(quint16 w, quint16 h)
{
    QByteArray j = vzorovyJpeg();
    const int s = sofPozice(j);
    j[s + 5] = static_cast<char>(h >> 8);
    j[s + 6] = static_cast<char>(h & 0xff);
    j[s + 7] = static_cast<char>(w >> 8);
    j[s + 8] = static_cast<char>(w & 0xff);
    return j;
}

QByteArray svg(const QString& sirka, const QString& vyska, const QString& telo)
{
    return QStringLiteral("<?xml version=\"1.0\"?><svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                          "height=\"%2\">%3</svg>")
        .arg(sirka, vyska, telo)
        .toUtf8();
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
    // A band of rows 150 ... 152 over the whole canvas, and a column pair
    // crossed twice: at rows 100 and 300.
    void metody_data()
    {
        QTest::addColumn<int>("metoda");
        QTest::addColumn<double>("vPruhu");
        QTest::addColumn<double>("dvakrat");
        QTest::newRow("první zhora") << 0 << 0.25 << 0.5;
        QTest::newRow("první zdola") << 1 << 0.24 << -0.5;
        QTest::newRow("průměr") << 2 << 0.245 << 0.0;
    }
    void metody()
    {
        QFETCH(int, metoda);
        QFETCH(double, vPruhu);
        QFETCH(double, dvakrat);
        QImage i = bile({Sirka, Vyska});
        pruh(i, 150, 152, Cerna, 0, 299);
        pruh(i, 100, 100, Cerna, 300, 599);
        pruh(i, 300, 300, Cerna, 300, 599);
        pruh(i, 250, 250, 0xff010000u, 0, 599); // one step off black is another colour
        const Krivka v = analyzuj(i, Cerna, Metoda(metoda), true);
        for (int c : {0, 150, 299})
            QCOMPARE_LE(std::abs(v[c] - vPruhu), 1e-6);
        for (int c : {300, 599})
            QCOMPARE_LE(std::abs(v[c] - dvakrat), 1e-6);
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

    // A dashed curve at row 100, found from the top: dashes of 20 columns,
    // gaps of 20, the first gap at column 0 when `odMezery`.
    void preklen_data()
    {
        QTest::addColumn<bool>("preklen");
        QTest::addColumn<bool>("odMezery");
        QTest::addColumn<float>("vMezere");
        QTest::addColumn<float>("naZacatku");
        QTest::newRow("s překlenutím") << true << false << 0.5f << 0.5f;
        QTest::newRow("bez překlenutí") << false << false << 200.0f << 0.5f;
        QTest::newRow("mezera na začátku s překlenutím") << true << true << 0.5f << 0.0f;
    }
    void preklen()
    {
        QFETCH(bool, preklen);
        QFETCH(bool, odMezery);
        QFETCH(float, vMezere);
        QFETCH(float, naZacatku);
        QImage i = bile({Sirka, Vyska});
        for (int c = 0; c < Sirka; ++c)
            if ((c / 20) % 2 == (odMezery ? 1 : 0))
                i.setPixel(c, 100, Modra);
        const Krivka v = analyzuj(i, Modra, Metoda::PrvniZhora, preklen);
        const int mezera = odMezery ? 50 : 30;
        QCOMPARE_LE(std::abs(v[mezera] - vMezere), 1e-6);
        QCOMPARE_LE(std::abs(v[5] - naZacatku), 1e-6);
    }

    // A sine period of known colour on the canvas itself, one pixel per
    // column at row round(200 - 150 sin(2 pi (c + 0.5) / 600)), and the same
    // sine drawn by a painter as a one-pixel polyline: every method finds it
    // within a pixel.
    void sinusNaPlatne_data()
    {
        QTest::addColumn<bool>("malir");
        QTest::addColumn<int>("metoda");
        for (int m = 0; m < 3; ++m) {
            QTest::addRow("body, metoda %d", m) << false << m;
            QTest::addRow("malíř, metoda %d", m) << true << m;
        }
    }
    void sinusNaPlatne()
    {
        QFETCH(bool, malir);
        QFETCH(int, metoda);
        auto sinus = [](double c) { return 0.75 * std::sin(2 * std::numbers::pi * (c + 0.5) / Sirka); };
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
        // A steep polyline covers several rows of a column: its top and
        // bottom lie up to half the step to the next column away.
        const double tolerance = !malir ? 0.5 / 200 : metoda == 2 ? 1.0 / 200 : 3.5 / 200;
        for (int c = 0; c < Sirka; ++c)
            QVERIFY2(std::abs(v[c] - sinus(c)) <= tolerance,
                     qPrintable(QStringLiteral("sloupec %1: %2 místo %3").arg(c).arg(v[c]).arg(sinus(c))));
    }

    // Canvas columns and rows against their source pixels, also for trims
    // that cross.
    void vykresleni_data()
    {
        QTest::addColumn<Orez>("orez");
        QTest::addColumn<int>("sloupec0");
        QTest::addColumn<int>("sloupec599");
        QTest::addColumn<int>("radek0");
        QTest::addColumn<int>("radek399");
        QTest::addColumn<bool>("prazdne");
        QTest::newRow("celý") << Orez{} << 0 << 9 << 0 << 7 << false;
        QTest::newRow("oříznutý") << Orez{2, 3, 1, 1} << 2 << 6 << 1 << 6 << false;
        QTest::newRow("zkřížené zrcadlí") << Orez{8, 8, 0, 0} << 7 << 2 << 0 << 7 << false;
        QTest::newRow("právě se potkají") << Orez{5, 5, 0, 0} << -1 << -1 << -1 << -1 << true;
    }
    void vykresleni()
    {
        QFETCH(Orez, orez);
        QFETCH(int, sloupec0);
        QFETCH(int, sloupec599);
        QFETCH(int, radek0);
        QFETCH(int, radek399);
        QFETCH(bool, prazdne);
        // 10 x 8 picture: red channel = column, green channel = row.
        QImage i(10, 8, QImage::Format_RGB32);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 10; ++x)
                i.setPixel(x, y, qRgb(x, y, 77));
        QImage platno;
        vykresli(i, orez, qRgb(1, 2, 3), platno);
        QCOMPARE(platno.size(), QSize(Sirka, Vyska));
        if (prazdne) {
            QCOMPARE(platno.pixel(0, 0), qRgb(1, 2, 3));
            QCOMPARE(platno.pixel(599, 399), qRgb(1, 2, 3));
            return;
        }
        QCOMPARE(qRed(platno.pixel(0, 100)), sloupec0);
        QCOMPARE(qRed(platno.pixel(599, 100)), sloupec599);
        QCOMPARE(qGreen(platno.pixel(100, 0)), radek0);
        QCOMPARE(qGreen(platno.pixel(100, 399)), radek399);
    }
};

// Loading: every format to the same bitmap, and every bad file refused.
class TestNacteni : public QObject {
    Q_OBJECT
private slots:
    // Our libjpeg path against Qt's own JPEG reader, colour and grey.
    void jpegJakoQt_data()
    {
        QTest::addColumn<bool>("sedy");
        QTest::newRow("barevný") << false;
        QTest::newRow("šedý") << true;
    }
    void jpegJakoQt()
    {
        QFETCH(bool, sedy);
        QImage i(320, 240, QImage::Format_RGB32);
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 320; ++x)
                i.setPixel(x, y, qRgb(x * 255 / 319, y * 255 / 239, (x * y) % 256));
        if (sedy)
            i = i.convertToFormat(QImage::Format_Grayscale8);
        const QByteArray data = zakoduj(i, "jpeg", 85);
        const QImage nase = nacti(data);
        QImage qt;
        QBuffer b;
        b.setData(data);
        QImageReader r(&b, "jpeg");
        QVERIFY(r.read(&qt));
        qt = qt.convertToFormat(QImage::Format_RGB32);
        QCOMPARE(nase.size(), QSize(320, 240));
        QCOMPARE(nase.format(), QImage::Format_RGB32);
        int nejvic = 0;
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 320; ++x)
                for (int posun : {0, 8, 16})
                    nejvic = std::max(nejvic, std::abs(int((nase.pixel(x, y) >> posun) & 0xff) - int((qt.pixel(x, y) >> posun) & 0xff)));
        QCOMPARE_LE(nejvic, 2);
        // And both are a JPEG of the picture, not something else.
        QCOMPARE_LE(std::abs(qRed(nase.pixel(300, 10)) - qRed(i.convertToFormat(QImage::Format_RGB32).pixel(300, 10))), 12);
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
        const QByteArray j = vzorovyJpeg();
        QVERIFY(!nacti(j, 64 * 48).isNull());
        QVERIFY(nacti(j, 64 * 48 - 1).isNull());
        QVERIFY(!nacti(zakoduj(bile({64, 48}), "png"), 64 * 48).isNull());
        QVERIFY(nacti(zakoduj(bile({64, 48}), "png"), 64 * 48 - 1).isNull());
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
    // The sine plot shown and opened: trims 150, 150, 100, 100 give exactly one
    // period at the scale of the result graph (amplitude 1), and a press and
    // release on the peak (canvas x 150, y 0) picks its colour.
    const QImage m_graf = vykreslenySinus();
    bool otevriGraf(Tobrazek& o, const char* format = "png", int kvalita = -1)
    {
        o.show();
        if (!QTest::qWaitForWindowExposed(&o)
            || !o.otevri(soubor(QStringLiteral("graf.") + format, zakoduj(m_graf, format, kvalita))))
            return false;
        bar(o, "zleva")->setValue(150);
        bar(o, "zprava")->setValue(150);
        bar(o, "zhora")->setValue(100);
        bar(o, "zdola")->setValue(100);
        auto* platno = o.findChild<QWidget*>("platno");
        QTest::mousePress(platno, Qt::LeftButton, {}, {150, 0});
        QTest::mouseRelease(platno, Qt::LeftButton, {}, {150, 0});
        return true;
    }

private slots:
    void initTestCase() { QVERIFY(m_slozka.isValid()); }

    // The whole road: a plot opened as PNG and as JPEG, trimmed to its period,
    // the curve's colour picked by a click: the delivered period has the
    // sine's first Fourier coefficient, |c1| = 0.5.
    void sinusZObrazku_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<int>("kvalita");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("png") << QByteArray("png") << 100 << 0.01;
        // A JPEG moves the curve's colours: it still matches within the lossy
        // tolerance at a low quality.
        QTest::newRow("jpeg 50") << QByteArray("jpeg") << 50 << 0.02;
    }
    void sinusZObrazku()
    {
        QFETCH(QByteArray, format);
        QFETCH(int, kvalita);
        QFETCH(double, tolerance);
        Tobrazek o;
        QVERIFY(otevriGraf(o, format.constData(), kvalita));
        if (format == "png")
            QCOMPARE(o.barva().rgb(), Modra);
        std::vector<double> dodano;
        zadatel::registruj(3, [&](const std::vector<double>& v) { dodano = v; });
        zadatel::nastav(3);
        o.findChild<QPushButton*>("Button3")->click();
        zadatel::registruj(3, {});
        zadatel::nastav(5);
        QCOMPARE(o.result(), int(QDialog::Accepted));
        QVERIFY(!o.isVisible());
        QCOMPARE(dodano.size(), size_t(600));
        Krivka v{};
        std::copy(dodano.begin(), dodano.end(), v.begin());
        QCOMPARE_LE(std::abs(c1(v) - 0.5), tolerance);
        QCOMPARE(v, o.krivka());
    }

    // Storno and Esc deliver nothing ("OK" delivers: above); a code outside
    // 1 ... 5 delivers nothing but the window still closes.
    void zavreni_data()
    {
        QTest::addColumn<QString>("jak");
        QTest::addColumn<int>("kod");
        QTest::newRow("OK kód 6") << "ok" << 6;
        QTest::newRow("Storno") << "storno" << 1;
        QTest::newRow("Esc") << "esc" << 1;
    }
    void zavreni()
    {
        QFETCH(QString, jak);
        QFETCH(int, kod);
        Tobrazek o;
        o.show();
        QVERIFY(QTest::qWaitForWindowExposed(&o));
        int pocet = 0;
        for (int k = 1; k <= 5; ++k)
            zadatel::registruj(k, [&](const std::vector<double>&) { ++pocet; });
        zadatel::nastav(kod);
        if (jak == "ok")
            o.findChild<QPushButton*>("Button3")->click();
        else if (jak == "storno")
            o.findChild<QPushButton*>("Button4")->click();
        else
            QTest::keyClick(bar(o, "zdola"), Qt::Key_Escape);
        for (int k = 1; k <= 5; ++k)
            zadatel::registruj(k, {});
        zadatel::nastav(5);
        QVERIFY(!o.isVisible());
        QCOMPARE(pocet, 0);
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

    // Opening another picture resets the trims unless `neres` is checked;
    // then each keeps its value, reduced to the new maximum.
    void neres_data()
    {
        QTest::addColumn<bool>("neres");
        QTest::addColumn<QList<int>>("ocekavano"); // zleva, zprava, zhora, zdola
        QTest::newRow("reset") << false << QList<int>{0, 0, 0, 0};
        QTest::newRow("neresetovat") << true << QList<int>{298, 10, 198, 198};
    }
    void neres()
    {
        QFETCH(bool, neres);
        QFETCH(QList<int>, ocekavano);
        Tobrazek o;
        o.show();
        QVERIFY(QTest::qWaitForWindowExposed(&o));
        QVERIFY(o.otevri(soubor("velky.png", zakoduj(bile({800, 600}), "png"))));
        bar(o, "zleva")->setValue(700);
        bar(o, "zprava")->setValue(10);
        bar(o, "zhora")->setValue(500);
        bar(o, "zdola")->setValue(598);
        o.findChild<QCheckBox*>("neres")->setChecked(neres);
        QVERIFY(o.otevri(soubor("maly.bmp", zakoduj(bile({300, 200}), "bmp"))));
        const QList<int> trimy{bar(o, "zleva")->value(), bar(o, "zprava")->value(), bar(o, "zhora")->value(),
                               bar(o, "zdola")->value()};
        QCOMPARE(trimy, ocekavano);
        for (const char* b : {"zleva", "zprava"})
            QCOMPARE(bar(o, b)->maximum(), 298);
        for (const char* b : {"zhora", "zdola"})
            QCOMPARE(bar(o, b)->maximum(), 198);
    }

    // A truncated or missing file changes nothing: picture, canvas, trims,
    // colour and curve stay as they were.
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
            QCOMPARE(o.obr(), obr);
            QCOMPARE(o.platno(), platnoPred);
            QCOMPARE(o.krivka(), v);
            QCOMPARE(o.pocetAnalyz(), n);
            QCOMPARE(o.barva().rgb(), Modra);
            QCOMPARE(bar(o, "zleva")->value(), 150);
            QCOMPARE(bar(o, "zleva")->maximum(), 898);
        }
    }
};

VORTA_TEST(TestObrazek)
VORTA_TEST(TestNacteni)
VORTA_TEST(TestTobrazek)

#include "test_obrazek.moc"
