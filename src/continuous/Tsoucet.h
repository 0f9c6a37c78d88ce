#pragma once
// Two-signal arithmetic: a generator, the signals A and B with their running
// result A op B, and a stack of twelve small graphs. Dropping any graph of
// the program on A, B or a stack graph pops up the choice of operation.
#include "continuous/soucet.h"
#include "graf/TGraf.h"

#include <QPointer>
#include <QPoint>
#include <QWidget>
#include <array>
#include <functional>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QTimer;
class QToolButton;

class Tsoucet : public QWidget {
    Q_OBJECT
public:
    explicit Tsoucet(QWidget* parent = nullptr);

    // The drop menu's operations (soucet::Operace codes) on the last drop.
    void operace(int kod);
    // Recomputes the result when `graf` is A or B; otherwise nothing.
    void zmena(TGraf* graf);
    // Remembers a drop of `zdroj` on `cil` and offers the operations at `pozice`.
    void upusteno(TGraf* zdroj, TGraf* cil, QPoint pozice);

    // How the drop menu is shown; replaceable so that a test can choose an
    // item without a real popup.
    std::function<void(QPoint)> ukazMenu;

    TGraf* zdroj() const { return m_zdroj; }
    TGraf* cil() const { return m_cil; }

private:
    void signalChange();
    void zn1Click();
    void nastavSignalovyGraf(TGraf* g, const QString& nadpis, bool pozadiNebeske, bool otevrit);
    void prijimej(TGraf* g);

    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QGroupBox* Okno = nullptr;
    QLineEdit* A1 = nullptr;
    QLineEdit* B1 = nullptr;
    QLineEdit* C1 = nullptr;
    QLineEdit* d1 = nullptr;
    QComboBox* signal = nullptr;
    TGraf* gen1 = nullptr;
    TGraf* s1 = nullptr;
    TGraf* s2 = nullptr;
    TGraf* v1 = nullptr;
    QToolButton* zn1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    std::array<TGraf*, 12> zasobnik{};
    QMenu* znamenko = nullptr;
    QTimer* start = nullptr;

    QPointer<TGraf> m_zdroj;
    QPointer<TGraf> m_cil;
};
