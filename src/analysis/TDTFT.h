#pragma once
// DTFT: a single pulse sampled N times per second, its transform on 801
// frequencies from -4 pi to 4 pi as magnitude and phase curves repeating
// with period 2 pi, and the samples rebuilt by the inverse transform
// integrated from 0 up to the limit chosen with stupen.
#include "analysis/TAnalyza.h"
#include "analysis/dtft.h"

class TDTFT : public TAnalyza {
    Q_OBJECT
public:
    explicit TDTFT(QWidget* parent = nullptr);

    void zmenadat() override;
    const dtft::Spektrum& spektrum() const { return m_X; }
    const std::vector<float>& posloupnost() const { return m_x; }

protected:
    void stupenChange() override;
    void vzorkuChange() override;

private:
    std::vector<float> m_vzorky; // the pulse as read, kept for vzorku
    int m_M = 1;
    int m_N = 10;
    std::vector<float> m_x;
    dtft::Spektrum m_X;
};
