#pragma once
// The spectrum the FFT window computed last: magnitude and phase of each
// value as stems, one graph above the other. It is shown modally and closed
// by a click or the Escape key.
#include "fft/fft.h"

#include <QDialog>
#include <vector>

class QLabel;
class QScrollArea;
class TGraf;

class TFFTv : public QDialog {
    Q_OBJECT
public:
    explicit TFFTv(QWidget* parent = nullptr);

    // Fills both graphs from the first N values.
    void napln(const std::vector<fft::Komplex>& vysledky);
    // Fills and shows the window modally; returns when it is closed.
    void zobrazitspektrum(const std::vector<fft::Komplex>& vysledky);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    TGraf* novyGraf(const char* jmeno, const QString& nadpis, const QString& yNadpis);

    QScrollArea* box = nullptr;
    QWidget* obsah = nullptr;
    TGraf* cm = nullptr;
    TGraf* arg = nullptr;
    QLabel* mezera = nullptr;
    QLabel* neKonecne = nullptr;
};
