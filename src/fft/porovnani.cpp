#include "fft/porovnani.h"

#include "core/cisla.h"
#include "fft/fft.h"

#include <cmath>
#include <numbers>

namespace porovnani {

namespace {

// The b butterflies of one block: upper rows u, lower rows l; W*b is held in
// single-precision registers. The rows never overlap, which lets the compiler
// work on several at once.
inline __attribute__((always_inline)) void motylky(float* __restrict ur, float* __restrict ui,
                                                   float* __restrict lr, float* __restrict li,
                                                   const float* __restrict C, const float* __restrict S, int b)
{
    for (int j = 0; j < b; ++j) {
        const float wr = lr[j] * C[j] - li[j] * S[j];
        const float wi = li[j] * C[j] + lr[j] * S[j];
        lr[j] = ur[j] - wr;
        li[j] = ui[j] - wi;
        ur[j] = ur[j] + wr;
        ui[j] = ui[j] + wi;
    }
}

// The first stages have blocks of one, two and four butterflies; with the
// block size known the compiler works across blocks instead.
template <int b>
inline __attribute__((always_inline)) void maleBloky(float* Fr, float* Fi, const float* C, const float* S, int N)
{
    for (int blok = 0; blok < N; blok += 2 * b)
        motylky(Fr + blok, Fi + blok, Fr + blok + b, Fi + blok + b, C, S, b);
}

} // namespace

void tabulky(Data& d, int N)
{
    for (int i = 0; i < N; ++i) {
        const long double uhel = static_cast<long double>(i) / N * 2 * std::numbers::pi_v<long double>;
        d.C[i] = static_cast<float>(std::cos(uhel));
        d.S[i] = static_cast<float>(-std::sin(uhel));
    }
    const int L = fft::log2N(N);
    for (int i = 0; i < N; ++i)
        d.obracene[i] = fft::obratit(i, L);
    for (int s = 0; s < L; ++s)
        for (int j = 0; j < (1 << s); ++j) {
            d.Ce[(1 << s) - 1 + j] = d.C[j << (L - 1 - s)];
            d.Se[(1 << s) - 1 + j] = d.S[j << (L - 1 - s)];
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

namespace {

inline __attribute__((always_inline)) void fftTelo(Data& d, int N, int L)
{
    for (int i = 0; i < N; ++i) {
        d.Fre[i] = d.x[d.obracene[i]];
        d.Fim[i] = 0;
    }
    // Each butterfly: the lower row's value times W(k, N), then a + W*b on
    // the upper row and a - W*b on the lower one. The loops walk the
    // butterflies block by block instead of testing bit s of every row, and
    // keep W*b in registers; the operations and their rounding are the same.
    float* Fr = d.Fre.data();
    float* Fi = d.Fim.data();
    for (int s = 0; s < L; ++s) {
        const int b = 1 << s;
        const float* C = d.Ce.data() + b - 1;
        const float* S = d.Se.data() + b - 1;
        if (b == 1)
            maleBloky<1>(Fr, Fi, C, S, N);
        else if (b == 2)
            maleBloky<2>(Fr, Fi, C, S, N);
        else if (b == 4)
            maleBloky<4>(Fr, Fi, C, S, N);
        else
            for (int blok = 0; blok < N; blok += 2 * b)
                motylky(Fr + blok, Fi + blok, Fr + blok + b, Fi + blok + b, C, S, b);
    }
}

// The same operations built also for AVX2: wider registers, each value
// still rounded to single. Chosen at run time, where the processor has it.
__attribute__((target("avx2"))) void fftAvx2(Data& d, int N, int L) { fftTelo(d, N, L); }
void fftZaklad(Data& d, int N, int L) { fftTelo(d, N, L); }

} // namespace

void fft(Data& d, int N, int L)
{
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2)
        fftAvx2(d, N, L);
    else
        fftZaklad(d, N, L);
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
