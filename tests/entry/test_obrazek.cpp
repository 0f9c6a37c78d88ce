#include "VortaTest.h"

#include "entry/Tobrazek.h"
#include "entry/jpeg.h"
#include "entry/nacteni.h"
#include "entry/obrazek.h"
#include "graf/TGraf.h"
#include "shell/TNapoveda.h"
#include "shell/napoveda.h"
#include "shell/zadatel.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWindow>
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

quint32 crc32(const QByteArray& d)
{
    quint32 c = 0xffffffffu;
    for (char ch : d) {
        c ^= static_cast<unsigned char>(ch);
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xedb88320u & (0u - (c & 1u)));
    }
    return ~c;
}

void be32(QByteArray& d, quint32 v)
{
    for (int s = 24; s >= 0; s -= 8)
        d.append(static_cast<char>((v >> s) & 0xff));
}
void le32(QByteArray& d, quint32 v)
{
    for (int s = 0; s <= 24; s += 8)
        d.append(static_cast<char>((v >> s) & 0xff));
}
void le16(QByteArray& d, quint16 v)
{
    d.append(static_cast<char>(v & 0xff));
    d.append(static_cast<char>(v >> 8));
}

// A PNG whose header announces the size; no pixel data follow.
QByteArray pngHlavicka(quint32 w, quint32 h)
{
    QByteArray d("\x89PNG\r\n\x1a\n", 8);
    QByteArray ihdr("IHDR");
    be32(ihdr, w);
    be32(ihdr, h);
    ihdr.append("\x08\x02\x00\x00\x00", 5);
    be32(d, 13);
    d += ihdr;
    be32(d, crc32(ihdr));
    return d;
}

// A 24-bit Windows bitmap header with the given size and no pixel data.
QByteArray bmpHlavicka(qint32 w, qint32 h)
{
    QByteArray d("BM");
    le32(d, 54);
    le32(d, 0);
    le32(d, 54);
    le32(d, 40);
    le32(d, static_cast<quint32>(w));
    le32(d, static_cast<quint32>(h));
    le16(d, 1);
    le16(d, 24);
    le32(d, 0);
    le32(d, 0);
    le32(d, 2835);
    le32(d, 2835);
    le32(d, 0);
    le32(d, 0);
    return d;
}

// A GIF of a picture of at most four colours, written by hand (Qt reads GIF
// but does not write it). The LZW stream is sent uncompressed: a clear code
// after every two pixels keeps the code size at three bits.
QByteArray gif(const QImage& i)
{
    QList<QRgb> paleta;
    for (int y = 0; y < i.height(); ++y)
        for (int x = 0; x < i.width(); ++x)
            if (!paleta.contains(i.pixel(x, y) | 0xff000000u))
                paleta << (i.pixel(x, y) | 0xff000000u);
    if (paleta.size() > 4)
        qFatal("gif(): more than four colours");
    while (paleta.size() < 4)
        paleta << 0xff000000u;
    QByteArray d("GIF89a");
    le16(d, quint16(i.width()));
    le16(d, quint16(i.height()));
    d.append(char(0x81)); // global colour table of 4 entries
    d.append(char(0));
    d.append(char(0));
    for (QRgb c : paleta) {
        d.append(char(qRed(c)));
        d.append(char(qGreen(c)));
        d.append(char(qBlue(c)));
    }
    d.append(',');
    le16(d, 0);
    le16(d, 0);
    le16(d, quint16(i.width()));
    le16(d, quint16(i.height()));
    d.append(char(0));
    d.append(char(2)); // minimum code size
    QByteArray proud;
    quint32 bity = 0;
    int pocet = 0;
    auto kod = [&](int k) {
        bity |= quint32(k) << pocet;
        pocet += 3;
        while (pocet >= 8) {
            proud.append(char(bity & 0xff));
            bity >>= 8;
            pocet -= 8;
        }
    };
    int n = 0;
    for (int y = 0; y < i.height(); ++y)
        for (int x = 0; x < i.width(); ++x) {
            if (n++ % 2 == 0)
                kod(4);
            kod(int(paleta.indexOf(i.pixel(x, y) | 0xff000000u)));
        }
    kod(5);
    if (pocet > 0)
        proud.append(char(bity & 0xff));
    for (int k = 0; k < proud.size(); k += 255) {
        const QByteArray blok = proud.mid(k, 255);
        d.append(char(blok.size()));
        d += blok;
    }
    d.append(char(0));
    d.append(';');
    return d;
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

// A plot as another program would draw it: white page, black frame, grey grid
// and one period of a sine in blue, antialiased, from x0 to x1 with the zero
// line at y0 and amplitude a pixels.
struct Graf {
    QImage obraz;
    int x0, x1, y0, a;
};
Graf vykreslenySinus(QSize velikost, int x0, int x1, int y0, int a, qreal pero, bool vyhlazeni)
{
    Graf g{bile(velikost), x0, x1, y0, a};
    QPainter p(&g.obraz);
    p.setRenderHint(QPainter::Antialiasing, vyhlazeni);
    p.setPen(QPen(QColor(190, 190, 190), 1));
    for (int x = x0; x <= x1; x += (x1 - x0) / 10)
        p.drawLine(x, y0 - a - 20, x, y0 + a + 20);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(x0 - 30, y0 - a - 30, x1 - x0 + 60, 2 * a + 60);
    QPainterPath cesta;
    for (int i = 0; i <= 2000; ++i) {
        const double t = i / 2000.0;
        const QPointF b(x0 + t * (x1 - x0), y0 - a * std::sin(2 * std::numbers::pi * t));
        i == 0 ? cesta.moveTo(b) : cesta.lineTo(b);
    }
    p.setPen(QPen(QColor::fromRgb(Modra), pero, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(cesta);
    return g;
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
        pruh(i, 250, 250, 0xff010000u, 0, 599); // one step off black: no match
        const Krivka v = analyzuj(i, Cerna, Metoda(metoda), true);
        for (int c : {0, 150, 299})
            QCOMPARE_LE(std::abs(v[c] - vPruhu), 1e-6);
        for (int c : {300, 599})
            QCOMPARE_LE(std::abs(v[c] - dvakrat), 1e-6);
    }

    // The extremes of the scale: the top row is 1, row 200 zero, the bottom
    // row -0.995.
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
    }

    // A dashed curve at row 100: dashes of 20 columns, gaps of 20, the first
    // gap at column 0 when `odMezery`.
    void preklen_data()
    {
        QTest::addColumn<int>("metoda");
        QTest::addColumn<bool>("preklen");
        QTest::addColumn<bool>("odMezery");
        QTest::addColumn<float>("vMezere");
        QTest::addColumn<float>("naZacatku");
        QTest::newRow("zhora s překlenutím") << 0 << true << false << 0.5f << 0.5f;
        QTest::newRow("zhora bez překlenutí") << 0 << false << false << 200.0f << 0.5f;
        QTest::newRow("zdola bez překlenutí") << 1 << false << false << 200.0f << 0.5f;
        QTest::newRow("průměr bez překlenutí") << 2 << false << false << 0.0f << 0.5f;
        QTest::newRow("průměr s překlenutím") << 2 << true << false << 0.5f << 0.5f;
        QTest::newRow("mezera na začátku s překlenutím") << 0 << true << true << 0.5f << 0.0f;
        QTest::newRow("mezera na začátku bez překlenutí") << 0 << false << true << 200.0f << 200.0f;
    }
    void preklen()
    {
        QFETCH(int, metoda);
        QFETCH(bool, preklen);
        QFETCH(bool, odMezery);
        QFETCH(float, vMezere);
        QFETCH(float, naZacatku);
        QImage i = bile({Sirka, Vyska});
        for (int c = 0; c < Sirka; ++c)
            if ((c / 20) % 2 == (odMezery ? 1 : 0))
                i.setPixel(c, 100, Modra);
        const Krivka v = analyzuj(i, Modra, Metoda(metoda), preklen);
        const int mezera = odMezery ? 50 : 30;
        QCOMPARE_LE(std::abs(v[mezera] - vMezere), 1e-6);
        QCOMPARE_LE(std::abs(v[5] - naZacatku), 1e-6);
    }

    // The colour must match exactly; a neighbouring shade is another colour.
    // An unpainted canvas (window never shown) matches nothing.
    void presnaBarva()
    {
        QImage i = bile({Sirka, Vyska});
        pruh(i, 50, 50, Modra + 1);
        pruh(i, 120, 120, Modra);
        const Krivka v = analyzuj(i, Modra, Metoda::PrvniZhora, false);
        QCOMPARE(v[10], 0.4f);
        const Krivka prazdna = analyzuj(QImage(), Qt::white, Metoda::PrvniZhora, true);
        QVERIFY(std::all_of(prazdna.begin(), prazdna.end(), [](float x) { return x == 0; }));
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

    // The same through the trims: a sine period over the middle of a larger
    // picture of another shape, cut to its period and stretched. Each canvas
    // column samples one source column, so the expected value is the sine at
    // that column's centre; one source row is 0.8 canvas rows.
    void sinusPresTrimy_data()
    {
        QTest::addColumn<bool>("vyhlazeni");
        QTest::addColumn<int>("metoda");
        QTest::newRow("ostrý, průměr") << false << 2;
        QTest::newRow("vyhlazený, průměr") << true << 2;
        QTest::newRow("ostrý, první zhora") << false << 0;
    }
    void sinusPresTrimy()
    {
        QFETCH(bool, vyhlazeni);
        QFETCH(int, metoda);
        const Graf g = vykreslenySinus({1000, 700}, 100, 900, 350, 200, 3, vyhlazeni);
        // Cut to the period (x 100 ... 900) and to +-250 pixels around zero.
        QImage platno;
        vykresli(g.obraz, {100, 100, 100, 100}, Qt::white, platno);
        const Krivka v = analyzuj(platno, Modra, Metoda(metoda), true);
        // The pen is 3 source pixels wide; its top edge lies up to 2.8 of them
        // above the centre line where the sine is steepest.
        const double tolerance = (metoda == 0 ? 3.5 : 1.5) / 200;
        for (int c = 0; c < Sirka; ++c) {
            const int sx = (2 * c + 1) * 800 / 1200;
            const double ocekavano = 0.8 * std::sin(2 * std::numbers::pi * (sx + 0.5) / 800);
            QVERIFY2(std::abs(v[c] - ocekavano) <= tolerance,
                     qPrintable(QStringLiteral("sloupec %1: %2 místo %3").arg(c).arg(v[c]).arg(ocekavano)));
        }
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
        QTest::newRow("zkřížené svisle") << Orez{0, 0, 6, 6} << 0 << 9 << 5 << 2 << false;
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
        const Graf g = vykreslenySinus({320, 240}, 20, 300, 120, 80, 2, true);
        QPainter(&i).drawImage(QRect(0, 120, 320, 120), g.obraz, QRect(0, 0, 320, 120));
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
            for (int x = 0; x < 320; ++x) {
                const QRgb a = nase.pixel(x, y), q = qt.pixel(x, y);
                nejvic = std::max({nejvic, std::abs(qRed(a) - qRed(q)), std::abs(qGreen(a) - qGreen(q)),
                                   std::abs(qBlue(a) - qBlue(q))});
            }
        QCOMPARE_LE(nejvic, 2);
        // And both are a JPEG of the picture, not something else.
        QCOMPARE_LE(std::abs(qRed(nase.pixel(300, 10)) - qRed(i.convertToFormat(QImage::Format_RGB32).pixel(300, 10))), 12);
    }

    // Lossless formats give back exactly the written pixels; transparency
    // lies on white; SVG is drawn at its own size.
    void formaty_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("bmp") << QByteArray("bmp");
        QTest::newRow("png") << QByteArray("png");
        QTest::newRow("gif") << QByteArray("gif");
        QTest::newRow("ico") << QByteArray("ico");
    }
    void formaty()
    {
        QFETCH(QByteArray, format);
        QImage i = bile({64, 48});
        pruh(i, 10, 12, Modra, 5, 50);
        pruh(i, 30, 30, Cerna, 0, 63);
        const QImage v = nacti(format == "gif" ? gif(i) : zakoduj(i, format.constData()));
        QCOMPARE(v.size(), i.size());
        QCOMPARE(v.format(), QImage::Format_RGB32);
        QCOMPARE(v, i);
    }
    void pruhlednost()
    {
        QImage i(20, 10, QImage::Format_ARGB32);
        i.fill(Qt::transparent);
        i.setPixel(3, 3, Modra);
        const QImage v = nacti(zakoduj(i, "png"));
        QCOMPARE(v.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(v.pixel(3, 3), Modra);
    }
    void vektorovy()
    {
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
        QTest::newRow("text") << QByteArray("Tohle není obrázek, jen text.\n");
        QByteArray nahodna(4096, 0);
        for (int k = 0; k < nahodna.size(); ++k)
            nahodna[k] = static_cast<char>((k * 7919 + 13) % 251);
        QTest::newRow("náhodné bajty") << nahodna;
        QTest::newRow("JPEG useknutý") << j.left(j.size() / 2);
        QTest::newRow("JPEG jen začátek") << j.left(3);
        QTest::newRow("JPEG bez konce dat") << j.left(j.size() - 40);
        QByteArray presnost = j;
        presnost[sofPozice(j) + 4] = 12; // 12-bit samples: not for this decoder
        QTest::newRow("JPEG poškozená hlavička") << presnost;
        QByteArray bezSlozek = j;
        bezSlozek[sofPozice(j) + 9] = 0; // a frame of no colour components
        QTest::newRow("JPEG bez složek") << bezSlozek;
        QTest::newRow("JPEG nulová šířka") << jpegSRozmerem(0, 48);
        QTest::newRow("JPEG obří hlavička") << jpegSRozmerem(60000, 60000);
        QTest::newRow("PNG obří hlavička") << pngHlavicka(20000, 20000);
        QTest::newRow("PNG nulová velikost") << pngHlavicka(0, 0);
        QTest::newRow("BMP obří hlavička") << bmpHlavicka(30000, 30000);
        QTest::newRow("BMP nulová velikost") << bmpHlavicka(0, 0);
        QTest::newRow("SVG nejde přečíst") << QByteArray("<?xml version=\"1.0\"?><svg xmlns=\"http://www.w3.org/2000/svg\" "
                                                        "width=\"10\" height=\"10\"><rect x=");
        QTest::newRow("SVG nulová velikost") << svg("0", "0", "");
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
    static QWidget* platno(Tobrazek& o) { return o.findChild<QWidget*>("platno"); }
    // Picks the colour under a canvas point by pressing and releasing there.
    static void klikni(Tobrazek& o, QPoint kde)
    {
        QTest::mousePress(platno(o), Qt::LeftButton, {}, kde);
        QTest::mouseRelease(platno(o), Qt::LeftButton, {}, kde);
    }
    // The sine plot of the window tests, 900 x 600, period from x 150 to 750,
    // zero at y 300, amplitude 200: trims 150, 150, 100, 100 give exactly one
    // period at the scale of the result graph (amplitude 1).
    Graf m_graf = vykreslenySinus({900, 600}, 150, 750, 300, 200, 3, true);
    static void orizniNaPeriodu(Tobrazek& o)
    {
        bar(o, "zleva")->setValue(150);
        bar(o, "zprava")->setValue(150);
        bar(o, "zhora")->setValue(100);
        bar(o, "zdola")->setValue(100);
    }

private slots:
    void initTestCase() { QVERIFY(m_slozka.isValid()); }

    // Before it was ever shown, the first countdown finds nothing: 600 points
    // at zero in the result graph.
    void prvniAnalyzaPredZobrazenim()
    {
        Tobrazek o;
        QTRY_COMPARE_WITH_TIMEOUT(o.pocetAnalyz(), 1, 2000);
        const auto* g = o.findChild<TGraf*>("vysledek");
        QCOMPARE(g->PocetBodu(), 600);
        for (int i = 0; i < 600; ++i)
            QCOMPARE(g->CtiBod(i).y, 0.0f);
        QCOMPARE(g->CtiBod(599).x, float(599.0 / 600));
        QCOMPARE(o.windowTitle(), QStringLiteral("Analyzátor obrázků"));
        QCOMPARE(o.objectName(), QStringLiteral("obrazek"));
        QCOMPARE(bar(o, "zleva")->maximum(), 400);
    }

    // The whole road: a plot opened as PNG and as JPEG, trimmed to its period,
    // the curve's colour picked by a click: the delivered period has the
    // sine's first Fourier coefficient, |c1| = 0.5.
    void sinusZObrazku_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<int>("kvalita");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("png") << QByteArray("png") << 100 << 0.01;
        // A JPEG moves the curve's colours: it matches within the lossy
        // tolerance at every usual quality.
        QTest::newRow("jpeg 100") << QByteArray("jpeg") << 100 << 0.01;
        QTest::newRow("jpeg 90") << QByteArray("jpeg") << 90 << 0.015;
        QTest::newRow("jpeg 75") << QByteArray("jpeg") << 75 << 0.015;
        QTest::newRow("jpeg 50") << QByteArray("jpeg") << 50 << 0.02;
    }
    void sinusZObrazku()
    {
        QFETCH(QByteArray, format);
        QFETCH(int, kvalita);
        QFETCH(double, tolerance);
        Tobrazek o;
        o.show();
        QVERIFY(QTest::qWaitForWindowExposed(&o));
        QVERIFY(o.otevri(soubor("sinus." + format, zakoduj(m_graf.obraz, format.constData(), kvalita))));
        orizniNaPeriodu(o);
        // The peak of the curve: canvas x 150 (a quarter period), y 0.
        klikni(o, {150, 0});
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

    // The worked example of the help topic: a sine with its peak 150 pixels
    // above zero, trimmed to the period, average method: 0.75 at a quarter
    // period, -0.75 at three quarters.
    void prikladNapovedy()
    {
        Tobrazek o;
        o.show();
        QVERIFY(QTest::qWaitForWindowExposed(&o));
        const Graf g = vykreslenySinus({900, 600}, 150, 750, 300, 150, 1, false);
        QVERIFY(o.otevri(soubor("priklad.png", zakoduj(g.obraz, "png"))));
        orizniNaPeriodu(o);
        klikni(o, {150, 50});
        QCOMPARE(o.barva().rgb(), Modra);
        o.findChild<QRadioButton*>("metoda2")->click();
        QCOMPARE_LE(std::abs(o.krivka()[150] - 0.75f), 0.005f);
        QCOMPARE_LE(std::abs(o.krivka()[450] + 0.75f), 0.005f);
        QCOMPARE_LE(std::abs(o.krivka()[0]), 0.005f);
    }

    // "OK" delivers to the window of the code, Storno, Esc and the close
    // button deliver nothing; a code outside 1 ... 5 delivers nothing but the
    // window still closes.
    void zavreni_data()
    {
        QTest::addColumn<QString>("jak");
        QTest::addColumn<int>("kod");
        QTest::addColumn<bool>("doruceno");
        QTest::newRow("OK") << "ok" << 1 << true;
        QTest::newRow("OK kód 4") << "ok" << 4 << true;
        QTest::newRow("OK kód 0") << "ok" << 0 << false;
        QTest::newRow("OK kód 6") << "ok" << 6 << false;
        QTest::newRow("Storno") << "storno" << 1 << false;
        QTest::newRow("Esc") << "esc" << 1 << false;
        QTest::newRow("zavírací tlačítko") << "close" << 1 << false;
    }
    void zavreni()
    {
        QFETCH(QString, jak);
        QFETCH(int, kod);
        QFETCH(bool, doruceno);
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
        else if (jak == "esc")
            QTest::keyClick(bar(o, "zdola"), Qt::Key_Escape);
        else
            o.close();
        for (int k = 1; k <= 5; ++k)
            zadatel::registruj(k, {});
        zadatel::nastav(5);
        QVERIFY(!o.isVisible());
        QCOMPARE(pocet, doruceno ? 1 : 0);
    }

    // A trim repaints the canvas at once; the result follows 600 to 900 ms
    // after the last change.
    void odpocet()
    {
        Tobrazek o;
        o.show();
        QVERIFY(QTest::qWaitForWindowExposed(&o));
        QVERIFY(o.otevri(soubor("odpocet.png", zakoduj(m_graf.obraz, "png"))));
        orizniNaPeriodu(o);
        klikni(o, {150, 0});
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

        // Changes within the countdown start it again.
        QTRY_VERIFY_WITH_TIMEOUT(!o.findChild<QTimer*>("cas")->isActive(), 2000);
        const int m = o.pocetAnalyz();
        t.restart();
        bar(o, "zhora")->setValue(110);
        QTest::qWait(500);
        bar(o, "zhora")->setValue(100);
        while (o.pocetAnalyz() == m && t.elapsed() < 3000)
            QTest::qWait(5);
        QVERIFY2(t.elapsed() >= 1090, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(o.pocetAnalyz(), m + 1);
    }

    // Pressing picks the colour, moving with the button held follows it, the
    // release analyses.
    void vyberBarvy()
    {
        Tobrazek o;
        o.show();
        QVERIFY(QTest::qWaitForWindowExposed(&o));
        QVERIFY(o.otevri(soubor("vyber.png", zakoduj(m_graf.obraz, "png"))));
        orizniNaPeriodu(o);
        const int n = o.pocetAnalyz();
        QTest::mousePress(platno(o), Qt::LeftButton, {}, {150, 0});
        QCOMPARE(o.barva().rgb(), Modra);
        QTest::mouseMove(platno(o), {310, 300});
        QCOMPARE(o.barva().rgb(), qRgb(255, 255, 255));
        QTest::mouseMove(platno(o), {150, 0});
        QCOMPARE(o.pocetAnalyz(), n);
        QTest::mouseRelease(platno(o), Qt::LeftButton, {}, {150, 0});
        QCOMPARE(o.pocetAnalyz(), n + 1);
        QCOMPARE(o.barva().rgb(), Modra);
        QCOMPARE_LE(std::abs(o.krivka()[150] - 1.0f), 0.02f);
        // Switching the method or the gap option analyses at once.
        o.findChild<QRadioButton*>("metoda1")->click();
        QCOMPARE(o.metoda(), Metoda::PrvniZdola);
        QCOMPARE(o.pocetAnalyz(), n + 2);
        o.findChild<QCheckBox*>("preklen")->click();
        QCOMPARE(o.pocetAnalyz(), n + 3);
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
        QCOMPARE(bar(o, "zleva")->maximum(), 798);
        QCOMPARE(bar(o, "zdola")->maximum(), 598);
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

    // Trims that cross leave an empty or mirrored canvas, and the analysis
    // still runs.
    void zkrizeneTrimy()
    {
        Tobrazek o;
        o.show();
        QVERIFY(QTest::qWaitForWindowExposed(&o));
        QVERIFY(o.otevri(soubor("krizeni.png", zakoduj(m_graf.obraz, "png"))));
        bar(o, "zleva")->setValue(898);
        bar(o, "zprava")->setValue(898);
        bar(o, "zhora")->setValue(598);
        bar(o, "zdola")->setValue(2);
        o.analyzovat();
        QCOMPARE(o.platno().size(), QSize(Sirka, Vyska));
        bar(o, "zdola")->setValue(0);
        bar(o, "zleva")->setValue(450);
        bar(o, "zprava")->setValue(450);
        o.analyzovat();
        const QColor pozadi = o.palette().color(QPalette::Window);
        QCOMPARE(QColor(o.platno().pixel(300, 200)), pozadi);
    }

    // A bad file changes nothing: picture, canvas, trims, colour and curve
    // stay as they were.
    void spatnySoubor_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QByteArray j = vzorovyJpeg();
        QTest::newRow("useknutý JPEG") << j.left(j.size() / 2);
        QTest::newRow("poškozený JPEG") << jpegSRozmerem(0, 48);
        QTest::newRow("není obrázek") << QByteArray("MZ\x90\x00 nic", 8);
        QTest::newRow("nulová velikost") << bmpHlavicka(0, 0);
        QTest::newRow("nečitelné SVG") << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"><g>");
        QTest::newRow("obří hlavička") << jpegSRozmerem(65000, 65000);
        QTest::newRow("chybějící soubor") << QByteArray();
    }
    void spatnySoubor()
    {
        QFETCH(QByteArray, data);
        Tobrazek o;
        o.show();
        QVERIFY(QTest::qWaitForWindowExposed(&o));
        QVERIFY(o.otevri(soubor("dobry.png", zakoduj(m_graf.obraz, "png"))));
        orizniNaPeriodu(o);
        klikni(o, {150, 0});
        const QImage obr = o.obr(), platnoPred = o.platno();
        const Krivka v = o.krivka();
        const int n = o.pocetAnalyz();
        const QString cesta = data.isEmpty() ? m_slozka.filePath("neni.jpg") : soubor("spatny.jpg", data);
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

    // While the analyser runs modally, every other window is blocked except the
    // help viewer, which F1 opens and which then takes input.
    void napovedaBehemModalu()
    {
        Tobrazek o;
        QWidget jine;
        int kliknuti = 0;
        auto* tl = new QPushButton(QStringLiteral("jiné"), &jine);
        tl->setGeometry(0, 0, 100, 30);
        connect(tl, &QPushButton::clicked, [&] { ++kliknuti; });
        jine.show();
        QVERIFY(QTest::qWaitForWindowExposed(&jine));
        o.setWindowModality(Qt::ApplicationModal);
        o.show();
        QVERIFY(QTest::qWaitForWindowExposed(&o));
        o.findChild<QAction*>("Help1")->trigger();
        TNapoveda* v = napoveda::prohlizec();
        QVERIFY(v);
        QVERIFY(QTest::qWaitForWindowExposed(v));
        QCOMPARE(v->zobrazeno(), napoveda::zdroj(napoveda::tema("/zobrazek.html")));
        QCOMPARE(v->zobrazeno(), QStringLiteral(":/help/zobrazek.html"));

        // Clicks through the window system, where modal blocking acts.
        QTest::mouseClick(jine.windowHandle(), Qt::LeftButton, {}, tl->geometry().center());
        QCOMPARE(kliknuti, 0);
        auto* obsah = v->findChild<QToolButton*>("obsah");
        QTest::mouseClick(v->windowHandle(), Qt::LeftButton, {}, obsah->mapTo(v, obsah->rect().center()));
        QCOMPARE(v->zobrazeno(), napoveda::zdroj(napoveda::tema("/index.html")));

        o.reject();
        QVERIFY(!o.isVisible());
        QTest::mouseClick(jine.windowHandle(), Qt::LeftButton, {}, tl->geometry().center());
        QCOMPARE(kliknuti, 1);
        v->close();
    }
};

VORTA_TEST(TestObrazek)
VORTA_TEST(TestNacteni)
VORTA_TEST(TestTobrazek)

#include "test_obrazek.moc"
