#include "entry/obrazek.h"

#include <algorithm>
#include <cstdlib>

namespace obrazek {

namespace {

// floor(a / b) for b > 0 and any sign of a.
long long dolu(long long a, long long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// For each target position the source pixel under its centre, from edge a
// towards edge b (b < a runs backwards: a mirrored picture).
void mapuj(int a, int b, int cil, int rozmer, int* zdrojove)
{
    const long long delka = static_cast<long long>(b) - a;
    for (int i = 0; i < cil; ++i) {
        const long long s = a + dolu((2LL * i + 1) * delka, 2LL * cil);
        zdrojove[i] = static_cast<int>(std::clamp<long long>(s, 0, rozmer - 1));
    }
}

} // namespace

Zdroj zdroj(QSize obraz, const Orez& orez)
{
    return {orez.zleva, orez.zhora, obraz.width() - orez.zprava, obraz.height() - orez.zdola};
}

int maxOrezu(int rozmer) { return std::max(rozmer - 2, 0); }

void vykresli(const QImage& obraz, const Orez& orez, QRgb pozadi, QImage& platno)
{
    if (platno.size() != QSize(Sirka, Vyska) || platno.format() != QImage::Format_RGB32)
        platno = QImage(Sirka, Vyska, QImage::Format_RGB32);
    platno.fill(pozadi | 0xff000000u);
    if (obraz.isNull())
        return;
    const QImage zdrojovy = obraz.format() == QImage::Format_RGB32 || obraz.format() == QImage::Format_ARGB32
                                ? obraz
                                : obraz.convertToFormat(QImage::Format_RGB32);
    const Zdroj z = zdroj(zdrojovy.size(), orez);
    if (z.x0 == z.x1 || z.y0 == z.y1)
        return;
    std::array<int, Sirka> sloupce{};
    std::array<int, Vyska> radky{};
    mapuj(z.x0, z.x1, Sirka, zdrojovy.width(), sloupce.data());
    mapuj(z.y0, z.y1, Vyska, zdrojovy.height(), radky.data());
    for (int r = 0; r < Vyska; ++r) {
        const auto* src = reinterpret_cast<const QRgb*>(zdrojovy.constScanLine(radky[r]));
        auto* dst = reinterpret_cast<QRgb*>(platno.scanLine(r));
        for (int c = 0; c < Sirka; ++c)
            dst[c] = src[sloupce[c]] | 0xff000000u;
    }
}

Krivka analyzuj(const QImage& platno, QRgb barva, Metoda metoda, bool preklen, int odchylka)
{
    const auto shoda = [barva, odchylka](QRgb p) {
        if (odchylka <= 0)
            return (p & 0x00ffffffu) == (barva & 0x00ffffffu);
        return std::abs(qRed(p) - qRed(barva)) <= odchylka && std::abs(qGreen(p) - qGreen(barva)) <= odchylka
               && std::abs(qBlue(p) - qBlue(barva)) <= odchylka;
    };
    // One pass over the rows in memory order, keeping per column the first
    // and last matching row and the running sum of the average method.
    std::array<int, Sirka> prvni, posledni, pocet{};
    std::array<long double, Sirka> soucet{};
    prvni.fill(-1);
    posledni.fill(-1);
    const QImage obraz = platno.isNull() || platno.format() == QImage::Format_RGB32
                             ? platno
                             : platno.convertToFormat(QImage::Format_RGB32);
    const int sirka = std::min(obraz.width(), Sirka);
    const int vyska = std::min(obraz.height(), Vyska);
    for (int r = 0; r < vyska; ++r) {
        const auto* radek = reinterpret_cast<const QRgb*>(obraz.constScanLine(r));
        const long double hodnota = (200.0L - r) / 200.0L;
        for (int c = 0; c < sirka; ++c) {
            if (!shoda(radek[c]))
                continue;
            if (prvni[c] < 0)
                prvni[c] = r;
            posledni[c] = r;
            soucet[c] += hodnota;
            ++pocet[c];
        }
    }

    Krivka v{};
    for (int c = 0; c < Sirka; ++c) {
        long double y = 200;
        switch (metoda) {
        case Metoda::PrvniZhora:
            if (prvni[c] >= 0)
                y = (200.0L - prvni[c]) / 200.0L;
            break;
        case Metoda::PrvniZdola:
            if (posledni[c] >= 0)
                y = (200.0L - posledni[c]) / 200.0L;
            break;
        case Metoda::Prumer:
            y = soucet[c] / (pocet[c] + 1e-13L);
            break;
        }
        v[c] = static_cast<float>(y);
        if (preklen && pocet[c] == 0)
            v[c] = c > 0 ? v[c - 1] : 0.0f;
    }
    return v;
}

} // namespace obrazek
