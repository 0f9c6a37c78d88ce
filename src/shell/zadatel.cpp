#include "shell/zadatel.h"

#include <array>

namespace zadatel {

namespace {
// Five after start-up: the drawing editor delivers its zero period to the
// windows 1 … 5 in turn and leaves the code at the last one.
int g_kod = pocetOken;

std::array<Prijemce, pocetOken>& prijemci()
{
    static std::array<Prijemce, pocetOken> p;
    return p;
}
} // namespace

int kod() { return g_kod; }

void nastav(int kod) { g_kod = kod; }

void registruj(int kod, Prijemce prijemce)
{
    if (kod >= 1 && kod <= pocetOken)
        prijemci()[kod - 1] = std::move(prijemce);
}

bool predejSignal(const std::vector<double>& perioda)
{
    if (g_kod < 1 || g_kod > pocetOken || perioda.size() != static_cast<std::size_t>(vzorkuPeriody))
        return false;
    const Prijemce& p = prijemci()[g_kod - 1];
    if (!p)
        return false;
    p(perioda);
    return true;
}

} // namespace zadatel
