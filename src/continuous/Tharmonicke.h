#pragma once
// Fourier series in complex form: the partial sum and the two-sided spectrum
// c(m), m = -40 ... 40, as magnitude and phase in degrees.
#include "continuous/TSynteza.h"

class Tharmonicke : public TSynteza {
    Q_OBJECT
public:
    explicit Tharmonicke(QWidget* parent = nullptr);

protected:
    void vykresliSpektra(int N) override;
};
