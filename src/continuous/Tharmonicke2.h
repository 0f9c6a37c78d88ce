#pragma once
// Fourier series by components: the partial sum and the two one-sided line
// spectra a(n) and b(n).
#include "continuous/TSynteza.h"

class Tharmonicke2 : public TSynteza {
    Q_OBJECT
public:
    explicit Tharmonicke2(QWidget* parent = nullptr);

protected:
    void vykresliSpektra(int N) override;
};
