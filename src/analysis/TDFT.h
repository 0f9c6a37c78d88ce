#pragma once
// DFT: N samples of the interval 0 <= t < 1 as a finite sequence, X[m]
// for m = -40 ... 40 as line spectra repeating with period N, and the
// sequence rebuilt by the inverse DFT restricted to X[0] ... X[P].
#include "analysis/TDiskretni.h"

class TDFT : public TDiskretni {
    Q_OBJECT
public:
    explicit TDFT(QWidget* parent = nullptr);

protected:
    dft::Spektrum spocti(std::span<const float> x) const override { return dft::koeficienty(x); }
    std::vector<TBod> vstup(std::span<const float> y, int M, std::span<const float> x) const override
    {
        return dft::vstup(y, M, x);
    }
    // The reconstruction divides by N; the spectrum is shown undivided.
    double meritko(int N) const override { return N; }
};
