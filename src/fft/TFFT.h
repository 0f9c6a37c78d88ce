#pragma once
// The FFT window: N typed samples and the complete signal-flow graph of their
// radix-2 decimation-in-time transform, on a scrollable canvas.
#include "fft/fft.h"

#include <QWidget>
#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QScrollArea;
class TFFTv;
class TPlatnoFFT;

class TFFT : public QWidget {
    Q_OBJECT
public:
    static constexpr int MaxN = 1024;

    explicit TFFT(QWidget* parent = nullptr);

    // Rebuilds the sample editors for the N of `velikost`; typed values are
    // kept in single precision for every index, also beyond the new N.
    void velikostChange();
    // Recomputes the transform from the editors and the check boxes and
    // repaints the graph.
    void platnoPaint();
    // Shows the last computed spectrum in the spectrum window.
    void zobrazitspektrum();

    int N() const { return m_N; }
    const std::vector<fft::Komplex>& vysledky() const { return m_vysledky; }
    QLineEdit* vstup(int i) const { return i >= 0 && i < MaxN ? vstupy[i] : nullptr; }
    TPlatnoFFT* platnoFFT() const { return platno; }

protected:
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    fft::Zobrazeni zobrazeni() const;

    QComboBox* velikost = nullptr;
    QCheckBox* binar = nullptr;
    QCheckBox* exponencialni = nullptr;
    QCheckBox* zavislost = nullptr;
    QCheckBox* expo = nullptr;
    QCheckBox* rovnici = nullptr;
    QCheckBox* vysledek = nullptr;
    QPushButton* Button1 = nullptr;
    QScrollArea* box = nullptr;
    TPlatnoFFT* platno = nullptr;
    TFFTv* spektrum = nullptr; // only when the program has none registered

    std::array<QLineEdit*, MaxN> vstupy{};
    std::array<float, MaxN> hodnoty{};
    int m_N = 4;
    std::vector<fft::Komplex> m_vysledky;
    // The options the canvas's texts were made with.
    fft::Zobrazeni m_zobrazeni;
    QChar m_oddelovac;
};
