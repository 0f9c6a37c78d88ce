// A mouse move in the drawing editor with a button held: the columns between
// the two positions are written and the canvas is repainted.
#include "Bench.h"

#include "entry/Tkreslic.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

VORTA_BENCH(910, kreslic_move)
{
    Tkreslic okno;
    auto* platno = okno.findChild<QWidget*>("platno");
    QImage obraz(platno->size(), QImage::Format_RGB32);
    const auto posli = [&](QEvent::Type typ, QPoint p, Qt::MouseButtons tlacitka) {
        QMouseEvent e(typ, p, platno->mapToGlobal(p), typ == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      tlacitka, Qt::NoModifier);
        QApplication::sendEvent(platno, &e);
    };
    posli(QEvent::MouseButtonPress, {20, 220}, Qt::LeftButton);
    int i = 0;
    const double ms = bench::medianMs(401, [&] {
        ++i;
        const int x = 20 + (i * 37) % 601;
        const int y = 20 + (i * 53) % 401;
        posli(QEvent::MouseMove, {x, y}, Qt::LeftButton);
        platno->render(&obraz);
    });
    posli(QEvent::MouseButtonRelease, {20, 220}, Qt::NoButton);
    bench::vypis("kreslic_move_ms", ms, 2);
}
