#pragma once
// Discrete Fourier series: one period sampled N times, the coefficients c_m
// for m = -40 ... 40 as line spectra repeating with period N, and the
// sequence rebuilt from c_0 ... c_P.
#include "analysis/TAnalyza.h"
#include "analysis/dft.h"

class TDFR : public TAnalyza {
    Q_OBJECT
public:
    explicit TDFR(QWidget* parent = nullptr);

    void zmenadat() override;
    const dft::Spektrum& koeficienty() const { return m_c; }
    const std::vector<float>& posloupnost() const { return m_x; }

protected:
    void stupenChange() override;
    void vzorkuChange() override;

private:
    std::vector<float> m_vzorky; // the interval as read, kept for vzorku
    int m_M = 1;
    int m_N = 20;
    std::vector<float> m_x;
    dft::Spektrum m_c;
};
