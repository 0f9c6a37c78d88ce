#pragma once
// The discrete Fourier series of N samples per period of a periodic signal,
//     c_m = (1 / N) sum_{n=0}^{N-1} x[n] e^{-j 2 pi m n / N},   m = -40 ... 40,
// kept as c_m = Re[m] - j Im[m]: the DFT of dft.h divided by N, with the same
// sampling and the same rule for the reconstruction scroll bar. What is its
// own is the input graph, which shows three periods.
#include "analysis/dft.h"

namespace dfr {

dft::Spektrum koeficienty(std::span<const float> x);

// The input graph: the period three times on -1 ... 2 (blue), then the N
// samples as red stems in each of the three periods.
std::vector<TBod> vstup(std::span<const float> y, int M, std::span<const float> x);

} // namespace dfr
