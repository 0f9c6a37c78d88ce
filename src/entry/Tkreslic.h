#pragma once
// The drawing editor: one period (or pulse) drawn with the mouse or taken
// from a preset, handed on OK to the analysis window that opened it (through
// the requester code). It is created once, after the analysis windows, and
// fills each of them with a zero period as it is created.
#include "entry/kreslic.h"

#include <QDialog>

class QLabel;
class QPushButton;

class Tkreslic : public QDialog {
    Q_OBJECT
public:
    explicit Tkreslic(QWidget* parent = nullptr);

    const kreslic::Krivka& krivka() const { return m_stav.krivka; }
    bool primka() const { return m_stav.primka; }
    bool kresleni() const { return m_stav.kresleni; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void platnoPaint();
    void Button1Click(); // OK
    void predloha(kreslic::Predloha p);

    QWidget* platno = nullptr;
    QLabel* souradx = nullptr;
    QLabel* sourady = nullptr;
    kreslic::Stav m_stav;
};
