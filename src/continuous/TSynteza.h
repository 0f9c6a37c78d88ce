#pragma once
// What the two Fourier-series synthesis windows share: the choice of signal,
// the number of harmonics, the pictures of the signal and its formulas, the
// help button and the partial-sum graph. Each window draws its own spectra.
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;
class TGraf;
class TObraz;

class TSynteza : public QWidget {
    Q_OBJECT
public:
    // Coefficients of the signal chosen in vyber.
    double vyska0() const;
    double vyskaA(int n) const;
    double vyskaB(int n) const;

    void vyberChange();
    void stupenChange();

protected:
    TSynteza(const QString& jmeno, const QString& titulek, QSize klient, bool komplexne, QWidget* parent);
    // Selects the first signal and draws everything; called by the derived
    // window once it is complete.
    void spust();
    virtual void vykresliSpektra(int N) = 0;
    // Clears both spectra and draws their bars at zero: the mean, which always
    // takes part, over a zero second bar (no sine part, phase 0 of a
    // positive mean).
    void zacniSpektra();
    TGraf* novyGraf(const QString& jmeno, const QString& nadpis, const QString& xNadpis, const QString& yNadpis);

    QComboBox* vyber = nullptr;
    QLabel* harmonickych = nullptr;
    QScrollBar* stupen = nullptr;
    TObraz* prubeh = nullptr;
    TObraz* Vzorec = nullptr;
    QPushButton* BitBtn1 = nullptr;
    TGraf* obdel = nullptr;
    TGraf* an = nullptr;
    TGraf* bn = nullptr;

private:
    bool m_komplexne;
};
