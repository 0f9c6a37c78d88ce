// The Fourier transform, discrete Fourier series, DTFT and DFT windows: one
// step of stupen (reconstruction and both spectra redrawn), one step of
// vzorku (resampled, recomputed, everything redrawn), and a new input of the
// Fourier-transform window (401 frequencies x 600 samples).
#include "Bench.h"
#include "Platno.h"

#include "analysis/TDFR.h"
#include "analysis/TDFT.h"
#include "analysis/TDTFT.h"
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

// Steps stupen through its whole range and back.
double krokyStupne(TAnalyza& okno)
{
    auto* stupen = okno.findChild<QScrollBar*>("stupen");
    bench::Platno platno(okno, {"obraz", "an", "bn"});
    int krok = -1;
    return bench::medianMs(201, [&] {
        if (stupen->value() == stupen->minimum())
            krok = 1;
        else if (stupen->value() == stupen->maximum())
            krok = -1;
        stupen->setValue(stupen->value() + krok);
        platno.vykresli();
    });
}

double krokyVzorku(TAnalyza& okno)
{
    auto* vzorku = okno.findChild<QScrollBar*>("vzorku");
    bench::Platno platno(okno, {"origin", "obraz", "an", "bn"});
    int krok = -1;
    return bench::medianMs(201, [&] {
        if (vzorku->value() == vzorku->minimum())
            krok = 1;
        else if (vzorku->value() == vzorku->maximum())
            krok = -1;
        vzorku->setValue(vzorku->value() + krok);
        platno.vykresli();
    });
}

} // namespace

VORTA_BENCH(920, okno_transformace)
{
    Ttransformace okno;
    okno.predejSignal(perioda(150));
    bench::vypis("transformace_stupen_ms", krokyStupne(okno), 3);

    bench::Platno vse(okno, {"origin", "obraz", "an", "bn"});
    int n = 0;
    const std::vector<double> a = perioda(150), b = perioda(100);
    const double novy = bench::medianMs(101, [&] {
        okno.predejSignal(n++ % 2 ? a : b);
        vse.vykresli();
    });
    bench::vypis("transformace_zmenadat_ms", novy, 8);
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
