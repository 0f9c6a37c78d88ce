// One step of the convolution window's time scroll bar: the handler refills
// both tables, recomputes the 451 x 401 products of the result curve and the
// product curve, and the five graphs are painted.
#include "Bench.h"
#include "Platno.h"

#include "continuous/TKonvoluce.h"

#include <QComboBox>
#include <QScrollBar>

VORTA_BENCH(500, konvoluce_pos)
{
    TKonvoluce okno;
    okno.findChild<QComboBox*>("sigg")->setCurrentIndex(3);
    auto* pos = okno.findChild<QScrollBar*>("pos");
    bench::Platno platno(okno, {"sigx", "sigy", "sigyrp", "soucin", "sigout"});
    int P = 0;
    const double ms = bench::medianMs(101, [&] {
        P = (P + 1) % 201;
        pos->setValue(P);
        platno.vykresli();
    });
    bench::vypis("konvoluce_pos_ms", ms, 4);
}
