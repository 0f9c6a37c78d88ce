#pragma once
// Reading the analysis interval out of an input graph, the first step of every
// analysis window's recomputation.
//
// The records are walked in stored order: the first record with x >= t0
// starts the interval, and from there every record is a sample, by position
// and whatever its x, up to and including the first record with x >= t1,
// which ends it. Sample i is taken to lie at t = t0 + i/M.
//
// The result is always usable, so that no window divides by zero or shows a
// NaN, and every window treats odd input alike:
// - at most 1001 samples are read (indices 0 ... 1000); an interval that has
//   not ended by then ends at sample 1000;
// - an input that stops before t1 ends at its last sample;
// - an interval of a single sample (M = 0: the start record already lies at
//   or beyond t1, or the input stops right after it) is that value held
//   constant, M = 1;
// - an input without any record at or beyond t0 is the zero signal, M = 1;
// - a sample that is not a finite number counts as 0.
#include "graf/bod.h"

#include <vector>

namespace analyza {

inline constexpr int KapacitaIntervalu = 1001;

struct Interval {
    std::vector<double> y; // samples 0 ... M, so M + 1 of them
    int M = 1;             // number of samples of one interval, 1 ... 1000
    bool konec = false;    // a record at or beyond t1 ended the interval
};

Interval ctiInterval(const TBod* zaznamy, int pocet, double t0, double t1);

} // namespace analyza
