#pragma once
// The two methods the speed comparison times, on the same input and the same
// single-precision tables: the direct DFT, N*N multiply-adds, and the radix-2
// FFT, N*log2(N) butterflies. Both are kept apart from the worker (a separate
// translation unit, built optimised) so that every repetition the worker
// asks for is really computed and none is folded away.
#include <QChar>
#include <QString>
#include <array>
#include <cstdint>
#include <random>

namespace porovnani {

inline constexpr int MaxN = 2048;
using Pole = std::array<float, MaxN>;

// The arrays of one run: input, cosine and sine tables, FFT result, DFT
// result. The FFT reads the same table values through a copy
// ordered by stage (stage s at offset 2^s - 1, W(j * 2^(L-1-s), N) for
// j < 2^s), so that each stage walks its factors one after another, and takes
// the bit reversal of each index from a table made with them.
struct Data {
    Pole x{}, C{}, S{};
    Pole Fre{}, Fim{};
    Pole Dre{}, Dim{};
    Pole Ce{}, Se{};
    std::array<std::int32_t, MaxN> obracene{}; // rev(i), the L-bit reversal of i
};

// x[i] = r/10 with r uniform in 0 ... 9; C[i] = cos(2*pi*i/N), S[i] =
// -sin(2*pi*i/N), in single precision.
void priprav(Data& d, int N, std::mt19937& nahoda);
void tabulky(Data& d, int N);

// One DFT of x into Dre, Dim: the index n*k is taken modulo N with the mask
// 2^L - 1, the sums are single precision rounded after every step.
void dft(Data& d, int N, int L);
// One FFT of x into Fre, Fim (work array Tre, Tim): bit-reversed copy, then L
// stages of twiddle products and butterflies.
void fft(Data& d, int N, int L);

// |DFT[i]| and |FFT[i]| from the single parts.
long double velikostDFT(const Data& d, int i);
long double velikostFFT(const Data& d, int i);

// The repetition count of the item at position p of the list "1" ... "100 000":
// 10^p, read from the position so that the blank in "1 000" is never parsed.
std::int32_t opakovani(int polozka);

// Percent of the repetitions done, rounded half to even; 0 while R is 0.
int procenta(std::int32_t hotovo, std::int32_t R);

// The texts of the result labels, with three decimals.
QString celkem(std::uint32_t ms, QChar oddelovac);          // "1.234 s"
QString jednou(std::uint32_t ms, std::int32_t R, QChar oddelovac); // "0.012 ms"
QString zrychleni(std::uint32_t dft, std::uint32_t fft, QChar oddelovac); // "12.345 krát" or "???"

} // namespace porovnani
