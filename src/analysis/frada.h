#pragma once
// Fourier-series analysis of one period (T = 1 s) given by M equally spaced
// samples y[0] ... y[M-1] at t = i/M:
//
//   a[m] = (2/M) sum_i y[i] cos(2 pi m i / M),  b[m] = (2/M) sum_i y[i] sin(2 pi m i / M)
//
// the rectangle rule for a_m = 2 int_0^1 y cos(2 pi m t) dt and likewise b_m,
// for m = -40 ... 40 (a[-m] = a[m], b[-m] = -b[m]). The complex coefficient is
// c_m = (a[m] - j b[m]) / 2, so |c_m| = sqrt(a^2 + b^2)/2 and the phase is
// atan2(-b, a); the reconstruction from harmonics 0 ... P is
//
//   s(t) = a[0]/2 + sum_{k=1..P} (a[k] cos(2 pi k t) + b[k] sin(2 pi k t)).
#include <QPointF>
#include <array>
#include <vector>

namespace frada {

inline constexpr int MaxHarmonicka = 40;
inline constexpr int PocetHarmonickych = 2 * MaxHarmonicka + 1;

struct Koeficienty {
    std::array<double, PocetHarmonickych> a{}, b{}; // index m + 40
    double A(int m) const { return a[m + MaxHarmonicka]; }
    double B(int m) const { return b[m + MaxHarmonicka]; }
};

// From the samples y[0] ... y[M-1]; y holds at least M of them, M >= 1.
Koeficienty koeficienty(const std::vector<double>& y, int M);

// The period three times, i = 0 ... M-1 at x = (i - M)/M, i/M, (M + i)/M.
std::vector<QPointF> triPeriody(const std::vector<double>& y, int M);

// s(t) at t = j/100 for j = -50 ... 150 (201 points).
std::vector<QPointF> rekonstrukce(const Koeficienty& k, int P);

// |c_m|.
double velikost(const Koeficienty& k, int m);
// arg c_m in degrees from the coefficients rounded to thousandths (halves to
// even): atan2(round(-1000 b), round(1000 a)); 0 when both round to 0, and
// 180 (never -180) for a negative real coefficient.
double faze(const Koeficienty& k, int m);

} // namespace frada
