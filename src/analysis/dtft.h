#pragma once
// The discrete-time Fourier transform of the N samples of a single pulse
// (N per second, sample n at t = n / N - 0.5, zero outside the pulse):
//     X(w) = sum_{n=0}^{N-1} x[n] e^{-j w n}
// on w_k = k pi / 100 rad per sample, k = -400 ... 400 (-4 pi ... 4 pi), kept
// as X(w_k) = Re[k] - j Im[k] in single precision. X repeats with period 2 pi.
// The reconstruction is the inverse transform over 0 <= w <= w_P,
//     x_P[n] = (1 / 200) sum_{k=0}^{min(P, 199)} Re(X(w_k) e^{j w_k n}),
// the rectangle rule for (1 / 2 pi) int_0^{w_P} Re(X(w) e^{j w n}) dw. The
// frequency 2 pi (P = 200) is 0 again and is not counted twice, so the whole
// band gives the samples back exactly.
#include "graf/bod.h"

#include <QString>
#include <array>
#include <span>
#include <vector>

namespace dtft {

constexpr int KrokuNaPeriodu = 200; // w_k = 2 pi k / 200
constexpr int MaxK = 400;
constexpr int PocetFrekvenci = 2 * MaxK + 1;
constexpr int MaxStupen = 200; // P = 0 ... 200: w_P up to 2 pi

struct Spektrum {
    std::array<float, PocetFrekvenci> Re{}, Im{};
    float re(int k) const { return Re[k + MaxK]; }
    float im(int k) const { return Im[k + MaxK]; }
};

long double omega(int k);

// x[n] = y[round(n * (M / N))] for n = 0 ... N, where the sample M (the end of
// the pulse) counts as 0 whatever was read there, so x[N] is always 0.
std::vector<float> vzorkuj(std::span<const float> y, int M, int N);

// X(w_k) of x[0] ... x[N - 1], N = x.size() - 1 (the last sample, always 0,
// takes no part); no factor 1 / N.
Spektrum koeficienty(std::span<const float> x);

// The reconstruction at n = round(-N / 2) ... round(1.5 N), as red stems at
// t = n / N - 0.5.
std::vector<TBod> rekonstrukce(const Spektrum& X, int P, int N);
double hodnota(const Spektrum& X, int P, int n);

// Magnitude and phase curves over the 801 frequencies, after red period
// lines at 0, +-2 pi, +-4 pi; blue where 0 <= k <= P (the part the
// reconstruction uses), grey elsewhere. A phase is 0 where round(|X| * 10)
// is 0, so that rounding noise of a vanishing component shows no angle.
std::vector<TBod> modul(const Spektrum& X, int P);
std::vector<TBod> faze(const Spektrum& X, int P);
double fazeStupne(float re, float im);

// The input graph: zeros, the pulse, zeros on -1.5 ... 1.5 (blue); the
// samples as red stems on -0.5 ... 0.5 and red zero samples every 1 / N
// on both sides.
std::vector<TBod> vstup(std::span<const float> y, int M, std::span<const float> x);

// "=6,28": the upper limit w_P = P pi / 100 with two decimals.
QString popisStupne(int P);
QString popisVzorku(int N);

} // namespace dtft
