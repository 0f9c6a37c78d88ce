#pragma once
// What the discrete Fourier series and the DFT windows share: N samples of
// the interval 0 <= t < 1, coefficients for m = -40 ... 40 drawn as line
// spectra repeating with period N, and the sequence rebuilt from the
// coefficients 0 ... P. They differ only in how the coefficients are scaled
// (the series divides by N, the DFT does not) and in the input graph.
#include "analysis/TAnalyza.h"
#include "analysis/dft.h"

#include <span>

class TDiskretni : public TAnalyza {
    Q_OBJECT
public:
    void zmenadat() override;
    const dft::Spektrum& koeficienty() const { return m_c; }
    const std::vector<float>& posloupnost() const { return m_x; }

protected:
    // `anMin` ... `anMax`: the range of the magnitude graph.
    TDiskretni(const Popis& popis, double anMin, double anMax, QWidget* parent);

    void stupenChange() override;
    void vzorkuChange() override;

    virtual dft::Spektrum spocti(std::span<const float> x) const = 0;
    virtual std::vector<TBod> vstup(std::span<const float> y, int M, std::span<const float> x) const = 0;
    // What the reconstruction divides the sums by for N samples.
    virtual double meritko(int N) const = 0;

private:
    std::vector<float> m_vzorky; // the interval as read, kept for vzorku
    int m_M = 1;
    int m_N = 20;
    std::vector<float> m_x;
    dft::Spektrum m_c;
};
