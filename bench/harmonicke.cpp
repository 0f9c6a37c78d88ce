// One step of the number of harmonics in each synthesis window: the partial
// sum and both spectra recomputed and the three graphs painted.
#include "Bench.h"
#include "Platno.h"

#include "continuous/Tharmonicke.h"
#include "continuous/Tharmonicke2.h"

#include <QComboBox>
#include <QScrollBar>

namespace {

void krokStupne(QWidget& okno, const char* jmeno)
{
    // The saw has no vanishing coefficient, so every term is a real one.
    okno.findChild<QComboBox*>("vyber")->setCurrentIndex(4);
    auto* stupen = okno.findChild<QScrollBar*>("stupen");
    bench::Platno platno(okno, {"obdel", "an", "bn"});
    int N = 40;
    const double ms = bench::medianMs(101, [&] {
        // Alternating 39 and 40 keeps every step near the full 40 terms.
        N = N == 40 ? 39 : 40;
        stupen->setValue(N);
        platno.vykresli();
    });
    bench::vypis(jmeno, ms, 3);
}

} // namespace

VORTA_BENCH(510, harmonicke2_stupen)
{
    Tharmonicke2 okno;
    krokStupne(okno, "harmonicke2_stupen_ms");
}

VORTA_BENCH(511, harmonicke_stupen)
{
    Tharmonicke okno;
    krokStupne(okno, "harmonicke_stupen_ms");
}
