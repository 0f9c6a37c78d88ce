#pragma once
// Fourier-series analysis: one period of the input, its coefficients a[m] and
// b[m] for m = -40 ... 40, the two-sided magnitude and phase spectra of c_m
// and the reconstruction from the harmonics 0 ... n chosen with stupen.
#include "analysis/TAnalyza.h"
#include "analysis/frada.h"

class Tfrada : public TAnalyza {
    Q_OBJECT
public:
    explicit Tfrada(QWidget* parent = nullptr);

    void zmenadat() override;
    const frada::Koeficienty& koeficienty() const { return m_koef; }

protected:
    void stupenChange() override;

private:
    frada::Koeficienty m_koef;
};
