#pragma once
// The rotating wheel: a wheel with 1 to 20 spokes redrawn at a chosen number
// of frames per second, turned between frames by a chosen angle. Near a
// multiple of the angle between spokes it seems to stand, creep or turn
// backwards: the stroboscopic effect of sampling.
#include "sampling/kolo.h"

#include <QImage>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;
class TCasovacSnimku;
class TPlocha;

class Taliasing : public QWidget {
    Q_OBJECT
public:
    explicit Taliasing(QWidget* parent = nullptr);

    // One frame event: the measured rate, the wheel, the turn.
    void timerTimer();
    void casChange();
    void speedChange();
    // Becoming active switches the frame clock on; closing switches it off.
    void FormActivate();

    int theta() const { return m_theta; }
    TCasovacSnimku* casovac() const { return timer; }
    TPlocha* plocha() const { return orig; }

protected:
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    QPushButton* tlacitko(QWidget* rodic, const char* jmeno, const QString& text, const QString& napoveda, int krok,
                          QRect kde);

    TPlocha* orig = nullptr;
    TCasovacSnimku* timer = nullptr;
    QScrollBar* cas = nullptr;
    QScrollBar* speed = nullptr;
    QLabel* sn = nullptr;
    QLabel* sn2 = nullptr;
    QLabel* Rychlost = nullptr;
    QLabel* Rychlost2 = nullptr;
    QCheckBox* cervenou = nullptr;
    QCheckBox* all = nullptr;
    QComboBox* pricek = nullptr;
    int m_theta = 0;
    QImage m_velky; // the supersampled frame, kept between frames
};
