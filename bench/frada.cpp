// The Fourier-series analysis window: one step of its harmonics scroll bar
// (reconstruction and both spectra redrawn) and a new input (the interval
// read, 41 x 600 products, everything redrawn).
#include "Bench.h"
#include "Platno.h"

#include "analysis/Tfrada.h"
#include "shell/zadatel.h"

#include <QScrollBar>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

std::vector<double> perioda(int posun)
{
    std::vector<double> v(600);
    for (int i = 0; i < 600; ++i)
        v[i] = ((i + posun) % 600 < 300 ? 1.0 : 0.0) + 0.3 * std::sin(2 * std::numbers::pi * 7 * i / 600);
    return v;
}

} // namespace

VORTA_BENCH(900, okno_frada)
{
    Tfrada okno;
    okno.predejSignal(perioda(0));
    auto* stupen = okno.findChild<QScrollBar*>("stupen");
    bench::Platno platno(okno, {"obraz", "an", "bn"});
    int P = 0;
    const double krok = bench::medianMs(201, [&] {
        P = (P + 1) % 41;
        stupen->setValue(P);
        platno.vykresli();
    });
    bench::vypis("frada_stupen_ms", krok, 3);

    bench::Platno vse(okno, {"origin", "obraz", "an", "bn"});
    int n = 0;
    const std::vector<double> a = perioda(0), b = perioda(150);
    const double novy = bench::medianMs(101, [&] {
        okno.predejSignal(n++ % 2 ? a : b);
        vse.vykresli();
    });
    bench::vypis("frada_zmenadat_ms", novy, 5);
}
