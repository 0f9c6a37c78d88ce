// The graph control's paths as windows meet them: a full graph painted into
// an image, the same with every point far outside the ranges, the same with
// the axes changed before every paint, and a graph file loaded and saved.
#include "Bench.h"

#include "graf/TGraf.h"
#include "graf/vgf.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>

namespace {

// 3073 slots filled the way the spectrum windows fill them: a sampled sine
// as stems (move, line, circle) and a polyline through the same samples.
void naplnGraf(TGraf& g, bool mimo)
{
    g.resize(969, 217);
    g.setNadpis(QStringLiteral("Amplitudové spektrum"));
    g.setXNadpis(QStringLiteral("t [s]"));
    g.setYNadpis(QStringLiteral("s(t)"));
    g.nastavOsy(-2, 2, -1.5, 1.5, 8, 6);
    g.Smaz();
    for (int i = 0; i < TGraf::PocetSlotu + 10; ++i) {
        const double x = -2 + 4.0 * i / TGraf::PocetSlotu;
        const double y = mimo ? (i % 2 ? 1e30 : -1e30) : std::sin(6 * x);
        g.PridejBod(i % 3 == 2 ? -1 : 2, x, y);
    }
}

// `studene`: a property the background is drawn from changes before every
// paint (a window that moves its axes), so nothing is reused.
// `dpr`: the device pixels per pixel of the screen painted on (2 on a HiDPI
// screen at scale 2, where the graph draws four times the pixels).
void casKresleni(const char* jmeno, bool mimo, bool studene = false, double dpr = 1, double rozpocet = 2)
{
    TGraf g;
    naplnGraf(g, mimo);
    QImage obraz(g.size() * dpr, QImage::Format_RGB32);
    obraz.setDevicePixelRatio(dpr);
    int krok = 0;
    const double ms = bench::medianMs(51, [&] {
        if (studene)
            g.setYMax(1.5 + (++krok % 2) * 1e-9);
        QPainter p(&obraz);
        g.vykresli(p);
    });
    bench::vypis(jmeno, ms, rozpocet);
}

} // namespace

VORTA_BENCH(200, graf_paint_ms) { casKresleni("graf_paint_ms", false); }

VORTA_BENCH(201, graf_paint_outliers_ms) { casKresleni("graf_paint_outliers_ms", true); }

VORTA_BENCH(202, graf_paint_axes_changed_ms) { casKresleni("graf_paint_axes_changed_ms", false, true); }

VORTA_BENCH(203, graf_paint_dpr2_ms) { casKresleni("graf_paint_dpr2_ms", false, false, 2, 4); }

VORTA_BENCH(210, vgf_load_save_ms)
{
    TGraf g;
    naplnGraf(g, false);
    QTemporaryDir slozka;
    const QString soubor = slozka.filePath(QStringLiteral("graf.vgf"));
    const double ulozeni = bench::medianMs(51, [&] {
        vorta::graf::ulozVgf(soubor, g.PocetBodu(), g.sloty().data());
    });
    const double nacteni = bench::medianMs(51, [&] {
        const auto n = vorta::graf::nactiVgf(soubor);
        g.nastavZaznamy(n.pocet, n.zaznamy.data(), int(n.zaznamy.size()));
    });
    bench::vypis("vgf_load_ms", nacteni, 1);
    bench::vypis("vgf_save_ms", ulozeni, 1);
}
