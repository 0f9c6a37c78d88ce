// The picture analyser: one analysis of the painted canvas with the result
// graph repainted (the average method, which touches every matching pixel
// twice), and opening a photo-sized JPEG: decoding, stretching onto the
// canvas and the analysis that follows.
#include "Bench.h"
#include "Platno.h"

#include "entry/Tobrazek.h"

#include <QImageWriter>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <cmath>
#include <numbers>

namespace {

QImage sinus(QSize s)
{
    QImage i(s, QImage::Format_RGB32);
    i.fill(Qt::white);
    QPainter p(&i);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(10, 120, 200), s.width() / 200.0));
    QPolygonF cara;
    for (int x = 0; x < s.width(); ++x)
        cara << QPointF(x, s.height() / 2.0 * (1 - 0.8 * std::sin(2 * std::numbers::pi * x / s.width())));
    p.drawPolyline(cara);
    return i;
}

} // namespace

VORTA_BENCH(900, obrazek_okno)
{
    QTemporaryDir slozka;
    const QString maly = slozka.filePath("sinus.png");
    const QString velky = slozka.filePath("foto.jpg");
    sinus({600, 400}).save(maly);
    QImageWriter w(velky);
    w.setQuality(90);
    w.write(sinus({4000, 3000}));

    Tobrazek okno;
    okno.show();
    okno.otevri(maly);
    okno.findChild<QRadioButton*>("metoda2")->setChecked(true);
    // Pick the curve's colour at its peak.
    QMouseEvent stisk(QEvent::MouseButtonPress, QPointF(150, 40), QPointF(150, 40), Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent pusteni(QEvent::MouseButtonRelease, QPointF(150, 40), QPointF(150, 40), Qt::LeftButton, {}, {});
    QWidget* platno = okno.findChild<QWidget*>("platno");
    QCoreApplication::sendEvent(platno, &stisk);
    QCoreApplication::sendEvent(platno, &pusteni);

    bench::Platno graf(okno, {"vysledek"});
    const double analyza = bench::medianMs(201, [&] {
        okno.analyzovat();
        graf.vykresli();
    });
    bench::vypis("obrazek_analyza_ms", analyza, 2);

    const double jpeg = bench::medianMs(7, [&] { okno.otevri(velky); });
    bench::vypis("obrazek_jpeg_4000x3000_ms", jpeg);
}
