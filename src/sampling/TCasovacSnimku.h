#pragma once
// The wheel's frame clock: raises `snimek` every interval and measures the
// rate it achieves. It sleeps between frames on a precise timer that keeps
// its cadence (a late frame does not delay the ones after it) and is not tied
// to the active window; switched off it costs nothing.
#include "sampling/snimky.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class TCasovacSnimku : public QObject {
    Q_OBJECT
public:
    explicit TCasovacSnimku(QObject* parent = nullptr);

    void setInterval(int ms);
    int interval() const { return m_timer.interval(); }
    // Switching on starts a new measuring window; the rate read so far stays
    // until it is measured again.
    void setZapnuto(bool zapnuto);
    bool zapnuto() const { return m_timer.isActive(); }
    int fps() const { return m_mereni.fps(); }

signals:
    void snimek();

private:
    QTimer m_timer;
    QElapsedTimer m_hodiny;
    snimky::Mereni m_mereni;
};
