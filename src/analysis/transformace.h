#pragma once
// The Fourier transform of a single pulse y(t), zero outside -0.5 <= t < 0.5,
// from its M samples y[i] at t_i = i / M - 0.5 (rectangle rule), on the
// angular frequencies w_f = 2 pi f / 10 rad/s, f = -200 ... 200:
//     A[f] = (1 / M) sum_i 2 y[i] cos(w_f t_i),  B[f] = (1 / M) sum_i 2 y[i] sin(w_f t_i),
//     F(w_f) = (A[f] - j B[f]) / 2.
// The reconstruction is the inverse transform over 0 <= w <= w_P,
//     y_P(t) = (A[0] / 2 + sum_{k=1}^{P} (A[k] cos(w_k t) + B[k] sin(w_k t))) / 10,
// the trapezoid rule for (1 / pi) int_0^{w_P} Re(F(w) e^{j w t}) dw.
#include "graf/bod.h"

#include <QString>
#include <array>
#include <span>
#include <vector>

namespace transformace {

constexpr int MaxF = 200;
constexpr int PocetFrekvenci = 2 * MaxF + 1;
constexpr int MaxStupen = 200;

struct Spektrum {
    std::array<double, PocetFrekvenci> A{}, B{};
    double a(int f) const { return A[f + MaxF]; }
    double b(int f) const { return B[f + MaxF]; }
};

long double omega(int f);

// The coefficients of the samples y[0] ... y[M - 1]; sample M (the value at
// the end of the pulse) takes no part. No samples (M < 1) give the zero
// spectrum rather than a division by zero; a sample that is missing or not
// finite counts as 0.
Spektrum koeficienty(std::span<const float> y, int M);

// y_P(t) at t = j / 100, j = -100 ... 100: 201 points of a blue line.
double rekonstrukce(const Spektrum& s, int P, int j);
std::vector<TBod> rekonstrukce(const Spektrum& s, int P);

// |F| and arg F in degrees as curves over the 401 frequencies. Blue where
// |f - 0.5| <= P, grey elsewhere. The phase is the angle of A and -B rounded
// to thousandths, so a component that vanishes up to rounding has phase 0.
std::vector<TBod> modul(const Spektrum& s, int P);
std::vector<TBod> faze(const Spektrum& s, int P);
double fazeStupne(double A, double B);

// "=125,7": the upper limit w_P = P pi / 5 rad/s with one decimal.
QString popisStupne(int P);

} // namespace transformace
