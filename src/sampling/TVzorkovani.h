#pragma once
// What the two sampling windows share: a test signal, its samples and its
// rebuild by a hold, in three graphs, redrawn from the scroll bar and the two
// choices by the one handler frekChange. The two windows differ in which
// frequency the scroll bar moves.
#include "sampling/vzorkovani.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QScrollBar;
class TGraf;

class TVzorkovani : public QWidget {
    Q_OBJECT
public:
    void frekChange();

protected:
    TVzorkovani(vzorkovani::Druh druh, const QString& jmeno, const QString& titulek, QWidget* parent);

private:
    TGraf* novyGraf(const char* jmeno, const QString& nadpis, int y);
    QLabel* hodnota(const char* jmeno, const QString& text, QPoint kde);

    vzorkovani::Druh m_druh;
    QScrollBar* frek = nullptr;
    QComboBox* sss = nullptr;
    QComboBox* tvar = nullptr;
    QLabel* fr = nullptr;
    QLabel* tv = nullptr;
    QLabel* ff = nullptr;
    QLabel* tt = nullptr;
    TGraf* spuv = nullptr;
    TGraf* svzk = nullptr;
    TGraf* srek = nullptr;
};
