#include "sampling/TCasovacSnimku.h"

#include <algorithm>

TCasovacSnimku::TCasovacSnimku(QObject* parent) : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(200);
    m_hodiny.start();
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_mereni.snimek(m_hodiny.elapsed());
        emit snimek();
    });
}

void TCasovacSnimku::setInterval(int ms) { m_timer.setInterval(std::max(ms, 1)); }

void TCasovacSnimku::setZapnuto(bool zapnuto)
{
    if (zapnuto == m_timer.isActive())
        return;
    if (zapnuto) {
        m_mereni.zacni(m_hodiny.elapsed());
        m_timer.start();
    } else {
        m_timer.stop();
    }
}
