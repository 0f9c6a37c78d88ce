#include "Bench.h"
#include "Platno.h"

#include "continuous/Tposuv.h"
#include "core/cisla.h"

#include <QComboBox>
#include <QLineEdit>

// A keystroke in A, B or C: both graphs recomputed and repainted.
VORTA_BENCH(400, posuv_key)
{
    Tposuv okno;
    bench::Platno platno(okno, {"origin", "posuv"});
    okno.findChild<QComboBox*>("signal")->setCurrentIndex(1); // sine: 801 points each
    QLineEdit* edity[] = {okno.findChild<QLineEdit*>("A"), okno.findChild<QLineEdit*>("B"),
                          okno.findChild<QLineEdit*>("C")};
    // Texts in the user's notation, so that every step draws a transformed curve.
    const long double hodnoty[] = {1.5, 2, 0.5, 1, 1, 0};
    int n = 0;
    const double m = bench::medianMs(200, [&] {
        edity[n % 3]->setText(vorta::fixniFormat(hodnoty[n % 6], 1));
        ++n;
        platno.vykresli();
    });
    bench::vypis("posuv_key_ms", m, 3);
}
