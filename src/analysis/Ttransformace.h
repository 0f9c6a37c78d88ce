#pragma once
// Fourier transform of a single pulse: its spectrum on 401 angular
// frequencies as magnitude and phase curves, and the inverse transform
// integrated from 0 up to the limit chosen with stupen.
#include "analysis/TAnalyza.h"
#include "analysis/transformace.h"

class Ttransformace : public TAnalyza {
    Q_OBJECT
public:
    explicit Ttransformace(QWidget* parent = nullptr);

    void zmenadat() override;
    const transformace::Spektrum& spektrum() const { return m_spektrum; }

protected:
    void stupenChange() override;

private:
    transformace::Spektrum m_spektrum;
};
