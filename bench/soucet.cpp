#include "Bench.h"
#include "Platno.h"

#include "continuous/Tsoucet.h"
#include "core/cisla.h"
#include "graf/TGraf.h"

#include <QComboBox>
#include <QLineEdit>

// A change of the generator's shape or amplitude, with gen1 repainted.
VORTA_BENCH(410, soucet_generator)
{
    Tsoucet okno;
    auto* signal = okno.findChild<QComboBox*>("signal");
    auto* A1 = okno.findChild<QLineEdit*>("A1");
    bench::Platno platno(okno, {"gen1"});
    int n = 0;
    const double m = bench::medianMs(200, [&] {
        if (n % 2)
            signal->setCurrentIndex((n / 2) % 7);
        else
            A1->setText(vorta::fixniFormat(1 + (n % 10) / 10.0L, 1));
        ++n;
        platno.vykresli();
    });
    bench::vypis("soucet_generator_ms", m, 3);
}

// An operation dropped on signal A: A and the result recomputed and repainted.
VORTA_BENCH(411, soucet_operace)
{
    Tsoucet okno;
    okno.ukazMenu = [](QPoint) {};
    auto* gen1 = okno.findChild<TGraf*>("gen1");
    auto* s1 = okno.findChild<TGraf*>("s1");
    gen1->Smaz();
    for (int i = -400; i <= 400; ++i)
        gen1->PridejBod(2, i / 200.0, (i % 50) / 50.0);
    okno.upusteno(gen1, s1, QPoint());
    bench::Platno platno(okno, {"s1", "v1"});
    const int kody[] = {soucet::Prepsat, soucet::Pricist, soucet::Odecist, soucet::Nasobit};
    int n = 0;
    const double m = bench::medianMs(200, [&] {
        okno.operace(kody[n++ % 4]);
        platno.vykresli();
    });
    bench::vypis("soucet_operace_ms", m, 3);
}
