#pragma once
// The speed comparison: a worker times R direct DFTs and R FFTs of the same
// random input, the window shows the progress of both, the times, the
// speed-up and the magnitudes of both results side by side.
#include "fft/Tvlakno.h"

#include <QWidget>
#include <memory>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;

class TFFTporovnani : public QWidget {
    Q_OBJECT
public:
    explicit TFFTporovnani(QWidget* parent = nullptr);
    // A run still going is stopped and waited for first.
    ~TFFTporovnani() override;

    void radChange();
    void spustitClick();
    void konecClick();
    void casovacTimer();

    // Whether a worker exists (started and not yet collected).
    bool bezi() const { return m_vlakno != nullptr; }
    SdilenePorovnani& sdilene() { return m_sdilene; }

protected:
    // Closing the window during a run stops the run and waits for it.
    void closeEvent(QCloseEvent* e) override;

private:
    void nastaveni(Tvlakno& v);
    void vypis(Tvlakno& v);
    void zastavBeh();

    QComboBox* rad = nullptr;
    QComboBox* opakovani = nullptr;
    QPushButton* spustit = nullptr;
    QPushButton* konec = nullptr;
    QProgressBar* pDFT = nullptr;
    QProgressBar* pFFT = nullptr;
    QLabel* DFTcas = nullptr;
    QLabel* FFTcas = nullptr;
    QLabel* DFTcasP = nullptr;
    QLabel* FFTcasp = nullptr;
    QLabel* krat = nullptr;
    QLabel* Lvzorku = nullptr;
    QLabel* Ldelka = nullptr;
    QLabel* Lcyklu = nullptr;
    QTableWidget* tabulka = nullptr;
    QPushButton* Button1 = nullptr;
    QTimer* casovac = nullptr;

    SdilenePorovnani m_sdilene;
    std::unique_ptr<Tvlakno> m_vlakno;
};
