#include "sampling/vzorkovani.h"

#include "core/cisla.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vzorkovani {

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

long double znamenko(long double v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }
long double zlomek(long double v) { return v - std::trunc(v); }

int omez(Druh d, int poloha) { return std::clamp(poloha, minPoloha(d), maxPoloha(d)); }

// Phase of table entry k in periods of the input.
long double faze(Druh d, int poloha, int k)
{
    if (d == Druh::Vstup)
        return k / 500.0L * (poloha / 100.0L);
    return k / 1000.0L * 10;
}

float hodnota(Druh d, int poloha, int tvar, int k)
{
    const long double u = faze(d, poloha, k);
    switch (tvar) {
    case Kosinus:
        return float(std::cos(u * 2 * Pi));
    case Obdelnik:
        // One table step later, so that the wave starts at +1 rather than at
        // the 0 of the sine's zero crossing.
        return float(znamenko(std::sin(faze(d, poloha, k + 1) * 2 * Pi)));
    case Pila:
        return float(2 * zlomek(u) - 1);
    case Trojuhelnik: {
        // The tiny phase lead decides the half period at the sine's zeros.
        const long double s = znamenko(std::sin(u * 2 * Pi + 1e-10L));
        const long double f = zlomek(u);
        return float(s <= -0.5L ? 3 - 4 * f : 4 * f - 1);
    }
    default:
        return float(std::sin(u * 2 * Pi));
    }
}

// 1000 n / P to the nearest integer, halves to the even neighbour, exactly.
int indexVzorku(int n, int P)
{
    const int q = 1000 * n / P;
    const int r = 1000 * n % P;
    if (2 * r > P || (2 * r == P && q % 2 == 1))
        return q + 1;
    return q;
}

QString cislo(long double v, int desetin, QChar oddelovac) { return vorta::fixniFormat(v, desetin, oddelovac); }

} // namespace

QStringList nazvyTvaru()
{
    return {QStringLiteral("Sin (2pi)"), QStringLiteral("Cos (2pi)"), QStringLiteral("Obdelník"), QStringLiteral("Pila"),
            QStringLiteral("Trojúhelník")};
}

QStringList nazvyTvarovacu(Druh d)
{
    return {QStringLiteral("Tvarovač 0. řádu"),
            d == Druh::Vstup ? QStringLiteral("Tvarovač 1. řádu  (teoretický)")
                             : QStringLiteral("Tvarovač 1. řádu (teoretický)"),
            QStringLiteral("Tvarovač 0. a 1. řádu")};
}

int minPoloha(Druh) { return 1; }
int maxPoloha(Druh d) { return d == Druh::Vstup ? 5000 : 100; }
int delkaTabulky(Druh d) { return d == Druh::Vstup ? 501 : 1001; }
int casoveOkno(Druh d) { return d == Druh::Vstup ? 50 : 100; }

std::vector<float> tabulka(Druh d, int poloha, int tvar)
{
    poloha = omez(d, poloha);
    std::vector<float> x(std::size_t(delkaTabulky(d)));
    for (int k = 0; k < int(x.size()); ++k)
        x[std::size_t(k)] = hodnota(d, poloha, tvar, k);
    return x;
}

std::vector<Vzorek> vzorky(Druh d, int poloha, const std::vector<float>& x)
{
    poloha = omez(d, poloha);
    std::vector<Vzorek> v;
    const auto pridej = [&](double t, int index) {
        v.push_back({t, index, index < int(x.size()) ? x[std::size_t(index)] : 0.0f});
    };
    if (d == Druh::Vstup) {
        for (int n = 0; n <= 50; ++n)
            pridej(n, 10 * n);
    } else {
        const int P = poloha;
        for (int n = 0; n <= P; ++n)
            pridej(double(n / static_cast<long double>(P) * 100), indexVzorku(n, P));
    }
    return v;
}

Grafy grafy(Druh d, int poloha, int tvar, int tvarovac)
{
    const std::vector<float> x = tabulka(d, poloha, tvar);
    const std::vector<Vzorek> vz = vzorky(d, poloha, x);
    Grafy g;
    g.spuv.reserve(x.size() + vz.size() + 1);
    g.svzk.reserve(3 * vz.size());
    g.srek.reserve(3 * vz.size() + 2);

    g.spuv.push_back({0, 0, 0});
    g.srek.push_back({0, 0, 0});
    for (int k = 0; k < int(x.size()); ++k)
        g.spuv.push_back({2, k / 10.0, x[std::size_t(k)]});
    const bool prvni = tvarovac == Prvni || tvarovac == Oba;
    for (const Vzorek& s : vz) {
        g.svzk.push_back({0, s.t, 0});
        g.svzk.push_back({2, s.t, s.v});
        g.svzk.push_back({-2, s.t, s.v});
        g.spuv.push_back({-2, s.t, s.v});
        if (prvni)
            g.srek.push_back({2, s.t, s.v});
    }
    if (tvarovac == Nulty || tvarovac == Oba) {
        // Red beside the blue straight lines, so that the two holds tell apart.
        const std::int32_t h = tvarovac == Nulty ? 2 : 1;
        g.srek.push_back({0, 0, 0});
        double p = 0;
        for (const Vzorek& s : vz) {
            g.srek.push_back({h, s.t, p});
            g.srek.push_back({h, s.t, s.v});
            p = s.v;
        }
    }
    return g;
}

Popisky popisky(Druh d, int poloha, QChar oddelovac)
{
    poloha = omez(d, poloha);
    Popisky p;
    if (d == Druh::Vstup) {
        const long double f = 20 * (poloha / 100.0L);
        p.fr = QStringLiteral("= ") + cislo(f, 2, oddelovac) + QStringLiteral("Hz");
        p.tv = QStringLiteral("= ") + cislo(1 / f * 1000, 2, oddelovac) + QStringLiteral("ms");
    } else {
        p.fr = QStringLiteral("= ") + cislo(100, 0, oddelovac) + QStringLiteral("Hz");
        p.ff = QStringLiteral("= ") + cislo(poloha / 100.0L, 2, oddelovac) + QStringLiteral("kHz");
        p.tt = QStringLiteral("= ") + cislo(100.0L / poloha, 2, oddelovac) + QStringLiteral("ms");
    }
    return p;
}

} // namespace vzorkovani
