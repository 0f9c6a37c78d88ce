#pragma once
// The convolution window: two input signals, the mirrored and shifted
// g(t - tau) for a chosen t, the product whose area is y(t), and the whole
// result y(t) with the chosen point marked.
#include "continuous/konvoluce.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QScrollBar;
class TGraf;

class TKonvoluce : public QWidget {
    Q_OBJECT
public:
    explicit TKonvoluce(QWidget* parent = nullptr);

    // Recomputes everything from the controls.
    void zmena();

private:
    TGraf* novyGraf(QWidget* rodic, const QString& jmeno, const QString& yNadpis, const QString& xNadpis);

    QComboBox* sigu = nullptr;
    QComboBox* sigg = nullptr;
    QScrollBar* pos = nullptr;
    QLabel* ttt = nullptr;
    QLabel* yttt = nullptr;
    TGraf* sigx = nullptr;
    TGraf* sigy = nullptr;
    TGraf* sigyrp = nullptr;
    TGraf* soucin = nullptr;
    TGraf* sigout = nullptr;
    konvoluce::Tabulka u{}, g{};
};
