#pragma once
// The discrete Fourier transform of N samples of the interval 0 <= t < 1,
//     X[m] = sum_{n=0}^{N-1} x[n] e^{-j 2 pi m n / N},   m = -40 ... 40,
// kept as X[m] = Re[m] - j Im[m] in single precision. X repeats with period N
// in m. The discrete Fourier series (dfr.h) is the same sum divided by N, so
// the sampling of the interval, the sums and the rule that keeps the highest
// harmonic of the reconstruction below N live here for both.
#include "analysis/spektrum.h"
#include "graf/bod.h"

#include <QString>
#include <array>
#include <span>
#include <vector>

namespace dft {

constexpr int MaxHarmonicka = spektrum::MaxM; // m = -40 ... 40

// Indexed by m, as the line-spectrum plot takes them.
struct Spektrum {
    spektrum::PoleM Re, Im;
    float re(int m) const { return Re[m]; }
    float im(int m) const { return Im[m]; }
};

// Sample i of the analysis interval; an index outside the samples read gives
// 0, and so does a value that is not finite, so that nothing downstream ever
// computes with NaN or infinity.
float vzorek(std::span<const float> y, long long i);

// x[n] = y[round(n * (M / N))] for n = 0 ... pocet - 1: M / N first, then
// times n, rounded to the nearest index with halves to the even one. No
// samples for N < 1.
std::vector<float> vzorkuj(std::span<const float> y, int M, int N, int pocet);

// (1 / delitel) * sum_n x[n] cos(2 pi m n / N) and the same with sin, for
// N = x.size(); the terms in extended precision, summed in a double.
Spektrum soucty(std::span<const float> x, long double delitel);
// The DFT: the sums undivided.
inline Spektrum koeficienty(std::span<const float> x) { return soucty(x, 1); }

// The reconstruction scroll bar follows N: its maximum is N - 1, and a
// position at the old maximum moves to the new one, so that a user who had
// every harmonic keeps every harmonic; any other position is only lowered to
// fit under the new maximum.
struct Stupen {
    int maximum;
    int pozice;
};
Stupen upravStupen(int pozice, int maximum, int N);

// The input graph: the interval once with zeros on both sides (blue), the
// N samples as red stems at x = n / N and red zero circles one interval
// either side.
std::vector<TBod> vstup(std::span<const float> y, int M, std::span<const float> x);

// The read-outs: "vz=20" and "n=20" (P + 1 coefficients used).
QString popisVzorku(int N);
QString popisStupne(int P);

} // namespace dft
