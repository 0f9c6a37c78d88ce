#pragma once
// Shift and scale: the chosen shape untransformed on the left, and as
// A·s(B·t + C) on the right, redrawn on every keystroke in A, B or C.
#include "signals/tvary.h"

#include <QWidget>
#include <cstdint>
#include <random>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class TGraf;

class Tposuv : public QWidget {
    Q_OBJECT
public:
    explicit Tposuv(QWidget* parent = nullptr);

    // Draws `tvar` into both graphs with the parameters in the edit boxes.
    void generuj(std::uint8_t tvar);
    std::uint8_t aktualniTvar() const { return m_aktualniTvar; }
    const tvary::Nahodne& nahodne() const { return m_nahodne; }

private:
    void signalChange();
    void signal2Change();
    void AChange();
    void ukazDvePi(bool ukaz);
    void obarvi(QLineEdit* e, bool cervene);

    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    TGraf* origin = nullptr;
    TGraf* posuv = nullptr;
    QComboBox* signal = nullptr;
    QComboBox* signal2 = nullptr;
    QLineEdit* A = nullptr;
    QLineEdit* B = nullptr;
    QLineEdit* C = nullptr;
    QLabel* ch1 = nullptr;
    QLabel* ch2 = nullptr;
    QLabel* ch3 = nullptr;
    QLabel* ch4 = nullptr;
    QLabel* p1 = nullptr;
    QLabel* p2 = nullptr;
    QLabel* p3 = nullptr;
    // Left positions of the closing parts as laid out with the 2π shown.
    int m_p1Left = 0, m_p2Left = 0, m_p3Left = 0, m_CLeft = 0;

    std::uint8_t m_aktualniTvar = tvary::Specialni;
    tvary::Nahodne m_nahodne{};
    std::mt19937 m_nahoda;
};
