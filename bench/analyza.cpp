// The analysis windows: one step of stupen (reconstruction and both spectra
// redrawn), one step of vzorku (resampled, recomputed, everything redrawn),
// and a new input of the Fourier-series window (the interval read, 41 x 600
// products) and of the Fourier-transform window (401 frequencies x 600
// samples), everything redrawn.
#include "Bench.h"
#include "Platno.h"

#include "analysis/TDFR.h"
#include "analysis/TDFT.h"
#include "analysis/TDTFT.h"
#include "analysis/Tfrada.h"
#include "analysis/Ttransformace.h"

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

// Steps a scroll bar through its whole range and back, redrawing the graphs
// that its change repaints.
double kroky(TAnalyza& okno, const char* posuvnik, std::initializer_list<const char*> grafy)
{
    auto* p = okno.findChild<QScrollBar*>(posuvnik);
    bench::Platno platno(okno, grafy);
    int krok = -1;
    return bench::medianMs(201, [&] {
        if (p->value() == p->minimum())
            krok = 1;
        else if (p->value() == p->maximum())
            krok = -1;
        p->setValue(p->value() + krok);
        platno.vykresli();
    });
}

double krokyStupne(TAnalyza& okno)
{
    return kroky(okno, "stupen", {"obraz", "an", "bn"});
}

double krokyVzorku(TAnalyza& okno)
{
    return kroky(okno, "vzorku", {"origin", "obraz", "an", "bn"});
}

// Alternates two inputs.
double noveVstupy(TAnalyza& okno, int posunA, int posunB)
{
    bench::Platno vse(okno, {"origin", "obraz", "an", "bn"});
    int n = 0;
    const std::vector<double> a = perioda(posunA), b = perioda(posunB);
    return bench::medianMs(101, [&] {
        okno.predejSignal(n++ % 2 ? a : b);
        vse.vykresli();
    });
}

} // namespace

VORTA_BENCH(900, okno_frada)
{
    Tfrada okno;
    okno.predejSignal(perioda(0));
    bench::vypis("frada_stupen_ms", krokyStupne(okno), 3);
    bench::vypis("frada_zmenadat_ms", noveVstupy(okno, 150, 0), 5);
}

VORTA_BENCH(920, okno_transformace)
{
    Ttransformace okno;
    okno.predejSignal(perioda(150));
    bench::vypis("transformace_stupen_ms", krokyStupne(okno), 3);
    bench::vypis("transformace_zmenadat_ms", noveVstupy(okno, 100, 150), 8);
}

VORTA_BENCH(921, okno_dfr)
{
    TDFR okno;
    okno.predejSignal(perioda(0));
    bench::vypis("dfr_stupen_ms", krokyStupne(okno), 3);
    bench::vypis("dfr_vzorku_ms", krokyVzorku(okno), 5);
}

VORTA_BENCH(922, okno_dtft)
{
    TDTFT okno;
    okno.predejSignal(perioda(150));
    bench::vypis("dtft_stupen_ms", krokyStupne(okno), 3);
    bench::vypis("dtft_vzorku_ms", krokyVzorku(okno), 5);
}

VORTA_BENCH(923, okno_dft)
{
    TDFT okno;
    okno.predejSignal(perioda(0));
    bench::vypis("dft_stupen_ms", krokyStupne(okno), 3);
    bench::vypis("dft_vzorku_ms", krokyVzorku(okno), 5);
}
