// One step of the convolution window's time scroll bar: the handler refills
// both tables, recomputes the 451 x 401 products of the result curve and the
// product curve, and the five graphs are painted.
#include "Bench.h"

#include "continuous/TKonvoluce.h"
#include "graf/TGraf.h"

#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QScrollBar>

VORTA_BENCH(500, konvoluce_pos)
{
    TKonvoluce okno;
    okno.findChild<QComboBox*>("sigg")->setCurrentIndex(3);
    auto* pos = okno.findChild<QScrollBar*>("pos");
    std::vector<TGraf*> grafy;
    for (const char* jmeno : {"sigx", "sigy", "sigyrp", "soucin", "sigout"})
        grafy.push_back(okno.findChild<TGraf*>(jmeno));
    std::vector<QImage> obrazy;
    for (TGraf* g : grafy)
        obrazy.emplace_back(g->size(), QImage::Format_RGB32);
    int P = 0;
    const double ms = bench::medianMs(101, [&] {
        P = (P + 1) % 201;
        pos->setValue(P);
        for (std::size_t i = 0; i < grafy.size(); ++i) {
            QPainter p(&obrazy[i]);
            grafy[i]->vykresli(p);
        }
    });
    bench::vypis("konvoluce_pos_ms", ms, 4);
}
