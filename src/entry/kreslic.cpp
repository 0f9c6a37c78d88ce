#include "entry/kreslic.h"

#include "core/cisla.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kreslic {

namespace {
int zaokrouhli(long double v) { return vorta::zaokrouhliNaInt(v); }
} // namespace

Krivka predloha(Predloha p)
{
    constexpr long double dvePi = 2 * std::numbers::pi_v<long double>;
    Krivka k{};
    for (int i = 0; i < Sloupcu; ++i) {
        switch (p) {
        case Predloha::Nic:
            k[i] = Nula;
            break;
        case Predloha::Sin:
            k[i] = zaokrouhli(200 - 200 * std::sin(dvePi * i / 600));
            break;
        case Predloha::Cos:
            k[i] = zaokrouhli(200 - 200 * std::cos(dvePi * i / 600));
            break;
        case Predloha::Obdelnik:
            k[i] = i < 300 ? 0 : Nula;
            break;
        case Predloha::Pila:
            k[i] = zaokrouhli(200 - 200.0L * i / 600);
            break;
        case Predloha::Trojuhelnik:
            k[i] = i <= 300 ? zaokrouhli(200 - 400.0L * i / 600) : zaokrouhli(400.0L * i / 600 - 200);
            break;
        case Predloha::Sinc: {
            // u in double, as the zeros every 1/21 s are meant to fall on it.
            const double u = (i - 300) * 10.5 * 2 * std::numbers::pi / 600;
            k[i] = i == 300 ? 1 : zaokrouhli(200 - 200 * std::sin(u) / (1e-20 + u));
            break;
        }
        }
    }
    return k;
}

int sloupec(int x) { return std::clamp(x - Okraj, 0, Sloupcu - 1); }

int radek(int y, int vyskaPlatna) { return std::clamp(y - Okraj, 0, std::max(0, vyskaPlatna - 2 * Okraj)); }

void usecka(Krivka& k, int x0, int y0, int x1, int y1)
{
    const int d = x1 - x0;
    if (d == 0) {
        if (x0 >= 0 && x0 < Sloupcu)
            k[x0] = y1;
        return;
    }
    const long double sklon = static_cast<long double>(y1 - y0) / d;
    const int smer = d > 0 ? 1 : -1;
    for (int i = 0; i != d + smer; i += smer) {
        const int c = x0 + i;
        if (c >= 0 && c < Sloupcu)
            k[c] = zaokrouhli(y0 + i * sklon);
    }
}

std::vector<double> perioda(const Krivka& k)
{
    std::vector<double> v(Sloupcu - 1);
    for (int i = 0; i < Sloupcu - 1; ++i)
        v[i] = (Nula - k[i]) / 200.0;
    return v;
}

QString popisX(int sloupec, QChar oddelovac)
{
    return QStringLiteral("X = ") + vorta::fixniFormat(sloupec / 600.0L, 2, oddelovac);
}

QString popisY(int radek, QChar oddelovac)
{
    const long double a = (Nula - radek) / 200.0L;
    return QStringLiteral("Y =") + (a >= 0 ? QStringLiteral(" ") : QString()) + vorta::fixniFormat(a, 2, oddelovac);
}

Stav::Stav()
{
    krivka.fill(Nula);
    zaloha.fill(Nula);
}

void Stav::stisk(int x, int y, int vyskaPlatna, Tlacitko t)
{
    const int c = sloupec(x);
    const int r = radek(y, vyskaPlatna);
    posledniX = c;
    posledniY = r;
    if (t == Tlacitko::Prave) {
        zaloha = krivka;
        primka = !(primka && (c == 0 || c == Sloupcu - 1));
    } else if (t == Tlacitko::Leve) {
        primka = false;
    }
    kresleni = true;
    krivka[c] = r;
}

bool Stav::pohyb(int x, int y, int vyskaPlatna)
{
    if (!kresleni && !primka)
        return false;
    const int c = sloupec(x);
    const int r = radek(y, vyskaPlatna);
    if (primka)
        krivka = zaloha;
    if (c == posledniX)
        return false;
    usecka(krivka, posledniX, posledniY, c, r);
    if (!primka) {
        posledniX = c;
        posledniY = r;
    }
    return true;
}

} // namespace kreslic
