#pragma once
// Discrete Fourier series: one period sampled N times, the coefficients c_m
// for m = -40 ... 40 as line spectra repeating with period N, and the
// sequence rebuilt from c_0 ... c_P.
#include "analysis/TDiskretni.h"

class TDFR : public TDiskretni {
    Q_OBJECT
public:
    explicit TDFR(QWidget* parent = nullptr);

protected:
    dft::Spektrum spocti(std::span<const float> x) const override;
    std::vector<TBod> vstup(std::span<const float> y, int M, std::span<const float> x) const override;
    double meritko(int) const override { return 1; }
};
