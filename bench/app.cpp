// Start-up with every window: the main window shown and painted, then the
// windows start-up puts off made in their order, offscreen. Measured in this
// process: each run creates the windows and deletes them again afterwards
// (the deletion is not timed), so the first run also pays the one-off font
// and style loading and the median shows a warm start.
#include "Bench.h"

#include "app/THlavniOkno.h"
#include "app/start.h"
#include "shell/okna.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <vector>

namespace {

void spust()
{
    THlavniOkno* h = vytvorOkna();
    h->show();
    QCoreApplication::processEvents();
    while (okna::vytvorDalsi()) {
    }
}

void uklid()
{
    zrusOkna();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

VORTA_BENCH(100, startup_rss_mb)
{
    // First, so that the peak is that of a fresh start and not of the runs
    // or of other figures.
    spust();
    const double mb = bench::spickaPametiKb() / 1024.0;
    uklid();
    bench::vypis("startup_rss_mb", mb, 80);
}

VORTA_BENCH(101, startup_ms)
{
    constexpr int behu = 25; // odd: the median is the middle run
    std::vector<double> casy;
    for (int i = 0; i < behu; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        spust();
        const auto t1 = std::chrono::steady_clock::now();
        casy.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        uklid();
    }
    std::sort(casy.begin(), casy.end());
    bench::vypis("startup_ms", casy[behu / 2], 150);
}
