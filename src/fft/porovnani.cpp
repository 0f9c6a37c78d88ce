#include "fft/porovnani.h"

#include "core/cisla.h"
#include "fft/fft.h"

#include <cmath>
#include <numbers>

namespace porovnani {

void tabulky(Data& d, int N)
{
    for (int i = 0; i < N; ++i) {
        const long double uhel = static_cast<long double>(i) / N * 2 * std::numbers::pi_v<long double>;
        d.C[i] = static_cast<float>(std::cos(uhel));
        d.S[i] = static_cast<float>(-std::sin(uhel));
    }
}

void priprav(Data& d, int N, std::mt19937& nahoda)
{
    std::uniform_int_distribution<int> cislice(0, 9);
    for (int i = 0; i < N; ++i)
        d.x[i] = static_cast<float>(cislice(nahoda)) / 10.0f;
    tabulky(d, N);
}

void dft(Data& d, int N, int L)
{
    const int maska = (1 << L) - 1;
    for (int k = 0; k < N; ++k) {
        float re = 0, im = 0;
        for (int n = 0; n < N; ++n) {
            const int j = (n * k) & maska;
            re = re + d.x[n] * d.C[j];
            im = im - d.x[n] * d.S[j];
        }
        d.Dre[k] = re;
        d.Dim[k] = im;
    }
}

void fft(Data& d, int N, int L)
{
    // Bit-reversed copy; r follows i as a counter whose carry runs from the
    // top bit down.
    for (int i = 0, r = 0; i < N; ++i) {
        d.Fre[i] = d.x[r];
        d.Fim[i] = 0;
        int bit = N >> 1;
        while (r & bit) {
            r ^= bit;
            bit >>= 1;
        }
        r |= bit;
    }
    // Each butterfly: the lower row's value times W(k, N) into the work
    // array, then a + W*b on the upper row and a - W*b on the lower one. The
    // loops walk the butterflies block by block instead of testing bit s of
    // every row; the operations and their rounding are the same.
    for (int s = 0; s < L; ++s) {
        const int b = 1 << s;
        const int krok = L - 1 - s;
        for (int blok = 0; blok < N; blok += 2 * b) {
            for (int j = 0; j < b; ++j) {
                const int u = blok + j;
                const int l = u + b;
                const int k = j << krok;
                d.Tre[l] = d.Fre[l] * d.C[k] - d.Fim[l] * d.S[k];
                d.Tim[l] = d.Fim[l] * d.C[k] + d.Fre[l] * d.S[k];
                d.Tre[u] = d.Fre[u];
                d.Tim[u] = d.Fim[u];
                d.Fre[u] = d.Tre[u] + d.Tre[l];
                d.Fim[u] = d.Tim[u] + d.Tim[l];
                d.Fre[l] = d.Tre[u] - d.Tre[l];
                d.Fim[l] = d.Tim[u] - d.Tim[l];
            }
        }
    }
}

long double velikostDFT(const Data& d, int i) { return fft::velikost({d.Dre[i], d.Dim[i]}); }
long double velikostFFT(const Data& d, int i) { return fft::velikost({d.Fre[i], d.Fim[i]}); }

std::int32_t opakovani(int polozka)
{
    std::int32_t R = 1;
    for (int p = 0; p < polozka; ++p)
        R *= 10;
    return R;
}

int procenta(std::int32_t hotovo, std::int32_t R)
{
    if (R <= 0)
        return 0;
    return vorta::zaokrouhliNaInt(static_cast<long double>(hotovo) / R * 100, 100);
}

QString celkem(std::uint32_t ms, QChar oddelovac)
{
    return vorta::fixniFormat(static_cast<long double>(ms) / 1000, 3, oddelovac) + QStringLiteral(" s");
}

QString jednou(std::uint32_t ms, std::int32_t R, QChar oddelovac)
{
    const long double t = R > 0 ? static_cast<long double>(ms) / R : 0;
    return vorta::fixniFormat(t, 3, oddelovac) + QStringLiteral(" ms");
}

QString zrychleni(std::uint32_t dft, std::uint32_t fft, QChar oddelovac)
{
    if (dft == 0 || fft == 0)
        return QStringLiteral("???");
    return vorta::fixniFormat(static_cast<long double>(dft) / fft, 3, oddelovac) + QStringLiteral(" krát");
}

} // namespace porovnani
