#pragma once
// DFT: N samples of the interval 0 <= t < 1 as a finite sequence, X[m]
// for m = -40 ... 40 as line spectra repeating with period N, and the
// sequence rebuilt by the inverse DFT restricted to X[0] ... X[P].
#include "analysis/TAnalyza.h"
#include "analysis/dft.h"

class TDFT : public TAnalyza {
    Q_OBJECT
public:
    explicit TDFT(QWidget* parent = nullptr);

    void zmenadat() override;
    const dft::Spektrum& koeficienty() const { return m_X; }
    const std::vector<float>& posloupnost() const { return m_x; }

protected:
    void stupenChange() override;
    void vzorkuChange() override;

private:
    std::vector<float> m_vzorky; // the interval as read, kept for vzorku
    int m_M = 1;
    int m_N = 20;
    std::vector<float> m_x;
    dft::Spektrum m_X;
};
