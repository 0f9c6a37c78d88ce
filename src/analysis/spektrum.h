#pragma once
// The line spectrum of a discrete periodic signal and its reconstruction, as
// the discrete Fourier series and DFT windows plot them (kresliSpektrum):
//
// - reconstruction: for n = round(-N/2) ... round(3N/2) a red stem at x = n/N
//   of height (sum_{k=0..P} Re[k] cos(2 pi k n/N) + Im[k] sin(2 pi k n/N)) / scale;
// - period markers: a red vertical line of width 2 at every multiple j N of
//   the sample count within m = -40 ... 40 (j = -round(40/N) ... round(40/N)),
//   from -100 to 100 in the magnitude plot and -500 to 500 in the phase plot;
// - magnitude and phase: for m = -40 ... 40 a stem of |c| = sqrt(Re^2 + Im^2)
//   (not divided by scale) and of atan2(-Im, Re) in degrees, the phase 0 where
//   round(100 |c| / scale) = 0; blue for 0 <= m <= P, grey otherwise.
//
// Rounding is to the nearest integer with halves to even. A sample count
// below 1 counts as 1 and a scale of 0 (or not finite) as 1, so that no input
// divides by zero.
#include <array>
#include <cstdint>
#include <vector>

namespace spektrum {

inline constexpr int MaxM = 40;

// Single-precision values for m = -40 ... 40.
struct PoleM {
    std::array<float, 2 * MaxM + 1> v{};
    float& operator[](int m) { return v[m + MaxM]; }
    float operator[](int m) const { return v[m + MaxM]; }
};

struct Stonek {
    double x, y;
    std::int32_t styl; // the stem's line colour; the circle takes -styl
};

struct Cara {
    double x; // a vertical line from yOd (style 0) to yDo (style 201)
};

struct Spektrum {
    std::vector<Stonek> rekonstrukce;
    std::vector<Cara> periody;
    std::vector<Stonek> velikost, faze;
};

inline constexpr int StylPeriody = 201;
inline constexpr double PeriodaVelikostOd = -100, PeriodaVelikostDo = 100;
inline constexpr double PeriodaFazeOd = -500, PeriodaFazeDo = 500;

Spektrum kresliSpektrum(int P, int N, const PoleM& Re, const PoleM& Im, double scale);

} // namespace spektrum
