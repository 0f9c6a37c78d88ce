#include "Bench.h"

#include "continuous/Tposuv.h"
#include "graf/TGraf.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>

namespace {
void vykresli(TGraf* g, QImage& obraz)
{
    QPainter p(&obraz);
    g->vykresli(p);
}
} // namespace

// A keystroke in A, B or C: both graphs recomputed and repainted.
VORTA_BENCH(400, posuv_key)
{
    Tposuv okno;
    auto* origin = okno.findChild<TGraf*>("origin");
    auto* posuv = okno.findChild<TGraf*>("posuv");
    okno.findChild<QComboBox*>("signal")->setCurrentIndex(1); // sine: 801 points each
    QLineEdit* edity[] = {okno.findChild<QLineEdit*>("A"), okno.findChild<QLineEdit*>("B"),
                          okno.findChild<QLineEdit*>("C")};
    const char* texty[] = {"1.5", "2", "0.5", "1", "1", "0"};
    QImage o(origin->size(), QImage::Format_ARGB32_Premultiplied);
    QImage s(posuv->size(), QImage::Format_ARGB32_Premultiplied);
    int n = 0;
    const double m = bench::medianMs(200, [&] {
        edity[n % 3]->setText(QString::fromLatin1(texty[n % 6]));
        ++n;
        vykresli(origin, o);
        vykresli(posuv, s);
    });
    bench::vypis("posuv_key_ms", m, 3);
}
