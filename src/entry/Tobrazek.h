#pragma once
// The picture analyser: opens a picture of a plot, trims its edges with four
// scroll bars, stretches the rest onto a 600 x 400 canvas and finds, column by
// column, where the picked colour lies. "OK" hands the 600 values to the
// analysis window that opened it (zadatel).
#include "entry/obrazek.h"

#include <QDialog>
#include <QImage>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;
class TGraf;
class TPlatno;

class Tobrazek : public QDialog {
    Q_OBJECT
public:
    explicit Tobrazek(QWidget* parent = nullptr);

    // Loads a picture and shows it; a file that cannot be loaded changes
    // nothing. Returns whether the picture was taken.
    bool otevri(const QString& soubor);
    // The curve found by the last analysis.
    const obrazek::Krivka& krivka() const { return m_v; }
    const QImage& platno() const { return m_platno; }
    const QImage& obr() const { return m_obr; }
    QColor barva() const { return m_barva; }
    obrazek::Metoda metoda() const;
    int pocetAnalyz() const { return m_pocetAnalyz; }

    // How the picture is chosen; replaceable so that a test needs no dialog.
    std::function<QString()> vyberSoubor;

    void analyzovat();

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void Button1Click();
    void Button3Click();
    void zhoraChange();
    void casTimer();
    void vezmiBarvu(QPoint bod);
    void nastavBarvu(QColor c);
    void prekresli();
    obrazek::Orez orez() const;
    QScrollBar* posuvnik(const QString& jmeno, Qt::Orientation smer, const QString& napoveda, QRect kde);

    TPlatno* platnoNaObrazovce = nullptr;
    QScrollBar* zleva = nullptr;
    QScrollBar* zprava = nullptr;
    QScrollBar* zhora = nullptr;
    QScrollBar* zdola = nullptr;
    TGraf* vysledek = nullptr;
    QLabel* barvaPanel = nullptr;
    QRadioButton* metody[3] = {};
    QCheckBox* preklen = nullptr;
    QCheckBox* neres = nullptr;
    QTimer* cas = nullptr;

    QImage m_obr;
    // The canvas as painted, off screen, so that the analysis never depends on
    // what covers the window. Null until the window is first shown: the
    // analysis before that finds nothing.
    QImage m_platno;
    QColor m_barva{Qt::white};
    obrazek::Krivka m_v{};
    bool m_vybira = false;
    int m_odpocet = 3;
    int m_pocetAnalyz = 0;
};
