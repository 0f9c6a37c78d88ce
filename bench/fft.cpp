// The FFT window at N = 1024 (a keystroke in an editor: recompute and paint
// one screenful; a change of N to 1024: editors rebuilt and first paint), and
// the kernels of the speed comparison, with FFTW's single-precision transform
// of the same size as a reference.
#include "Bench.h"

#include "fft/TFFT.h"
#include "fft/TPlatnoFFT.h"
#include "fft/porovnani.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <memory>
#include <random>
#include <vector>
#ifdef VORTA_FFTW
#include <fftw3.h>
#endif

namespace {

// One screenful of the canvas, as the scroll box would show it at (x, y).
void obrazovka(TPlatnoFFT* platno, QImage& obraz, QPoint kde)
{
    obraz.fill(Qt::white);
    platno->render(&obraz, QPoint(), QRegion(QRect(kde, obraz.size())));
}

std::unique_ptr<porovnani::Data> nahodnaData(int N)
{
    auto d = std::make_unique<porovnani::Data>();
    std::mt19937 g(1);
    porovnani::priprav(*d, N, g);
    return d;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

VORTA_BENCH(900, fft_1024)
{
    TFFT okno;
    auto* velikost = okno.findChild<QComboBox*>("velikost");
    TPlatnoFFT* platno = okno.platnoFFT();
    QImage obraz(1280, 1024, QImage::Format_RGB32);

    std::vector<double> casy;
    for (int r = 0; r < 11; ++r) {
        velikost->setCurrentIndex(0);
        const auto t0 = std::chrono::steady_clock::now();
        velikost->setCurrentIndex(8);
        obrazovka(platno, obraz, QPoint(0, 0));
        casy.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }

    // The middle of the graph, one editor in view changing at each keystroke.
    const QPoint stred(std::max(0, platno->width() / 2 - 640), platno->height() / 2 - 512);
    QLineEdit* editor = okno.vstup(512);
    int k = 0;
    const double paint = bench::medianMs(21, [&] {
        editor->setText(k++ % 2 ? QStringLiteral("1") : QStringLiteral("2"));
        obrazovka(platno, obraz, stred);
    });
    bench::vypis("fft_1024_paint_ms", paint, 40);
    bench::vypis("fft_1024_rebuild_ms", median(casy), 100);
}

VORTA_BENCH(901, porovnani_kernely)
{
    double ms[2][2] = {};
    const int velikosti[2] = {256, 2048};
    for (int v = 0; v < 2; ++v) {
        const int N = velikosti[v];
        const int L = N == 256 ? 8 : 11;
        auto d = nahodnaData(N);
        ms[v][0] = bench::medianMs(N == 256 ? 101 : 21, [&] { porovnani::dft(*d, N, L); });
        ms[v][1] = bench::medianMs(1001, [&] { porovnani::fft(*d, N, L); });
    }
    bench::vypis("porovnani_dft_256_ms", ms[0][0]);
    bench::vypis("porovnani_fft_256_ms", ms[0][1]);
    bench::vypis("porovnani_dft_2048_ms", ms[1][0]);
    bench::vypis("porovnani_fft_2048_ms", ms[1][1]);
    bench::vypis("porovnani_speedup_2048", ms[1][0] / ms[1][1]);

#ifdef VORTA_FFTW
    // The same complex single-precision transform of 2048 real samples.
    const int N = 2048;
    auto d = nahodnaData(N);
    fftwf_complex* vstup = fftwf_alloc_complex(N);
    fftwf_complex* vystup = fftwf_alloc_complex(N);
    fftwf_plan plan = fftwf_plan_dft_1d(N, vstup, vystup, FFTW_FORWARD, FFTW_MEASURE);
    for (int i = 0; i < N; ++i) {
        vstup[i][0] = d->x[i];
        vstup[i][1] = 0;
    }
    // Both medians over many short runs, taken alternately so that both see
    // the same machine load.
    std::vector<double> nase, fftw;
    for (int r = 0; r < 2001; ++r) {
        auto t0 = std::chrono::steady_clock::now();
        porovnani::fft(*d, N, 11);
        auto t1 = std::chrono::steady_clock::now();
        fftwf_execute(plan);
        auto t2 = std::chrono::steady_clock::now();
        nase.push_back(std::chrono::duration<double>(t1 - t0).count());
        fftw.push_back(std::chrono::duration<double>(t2 - t1).count());
    }
    bench::vypis("fft_vs_fftw_2048_ratio", median(nase) / median(fftw), 4);
    fftwf_destroy_plan(plan);
    fftwf_free(vstup);
    fftwf_free(vystup);
#endif
}
