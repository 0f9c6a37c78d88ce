#include "malovani.h"

#include "graf/pisma.h"
#include "graf/vykresleni.h"

#include <QGuiApplication>
#include <algorithm>
#include <array>
#include <cstdlib>

void zalozAplikaci()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char jmeno[] = "fuzz";
    static char* argv[] = {jmeno, nullptr};
    // Never destroyed: the fuzzer ends the process with exit().
    new QGuiApplication(argc, argv);
    vorta::nastavPisma();
}

void namaluj(const std::vector<TBod>& zaznamy)
{
    using namespace vorta::graf;
    std::array<TBod, PocetSlotu> sloty{};
    std::copy_n(zaznamy.begin(), std::min<size_t>(zaznamy.size(), PocetSlotu), sloty.begin());
    PopisGrafu g;
    g.velikost = QSize(240, 160);
    g.sloty = sloty.data();
    g.nadpis = QStringLiteral("Nadpis");
    g.yNadpis = QStringLiteral("y");
    if (zaznamy.size() >= 3) {
        g.xMin = sloty[0].x;
        g.xMax = sloty[0].y;
        g.yMin = sloty[1].x;
        g.yMax = sloty[1].y;
        g.xCislic = std::min(sloty[2].x, 64.0f); // no more labels than the image can show
        g.yCislic = std::min(sloty[2].y, 64.0f);
        g.sirkaCary = sloty[1].Styl;
        g.tvarovac = (sloty[2].Styl & 1) ? tPridrzeni : tLinearne;
        g.ramecek = TTypRamecku((sloty[2].Styl >> 1 & 0x7fffffff) % 6);
        g.cary = sloty[2].Styl & 16;
    }
    // Stamped markers must give the painter's own pixels, whatever the input.
    QImage razitka, malirem;
    vykresliGraf(razitka, g, true);
    vykresliGraf(malirem, g, false);
    if (razitka != malirem)
        std::abort();
}
