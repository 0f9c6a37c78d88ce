#include "sampling/TPlocha.h"

#include <QPainter>
#include <cmath>
#include <utility>

TPlocha::TPlocha(QSize rozmer, QColor pozadi, QWidget* parent) : QWidget(parent), m_rozmer(rozmer), m_pozadi(pozadi)
{
    nastavBuffery(1);
    setFixedSize(rozmer);
    // Every pixel comes from the buffer: Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPlocha::nastavBuffery(qreal dpr)
{
    const QSize fyz(int(std::ceil(m_rozmer.width() * dpr - 1e-9)), int(std::ceil(m_rozmer.height() * dpr - 1e-9)));
    for (QImage* o : {&m_predni, &m_zadni}) {
        *o = QImage(fyz, QImage::Format_RGB32);
        o->setDevicePixelRatio(dpr);
        o->fill(m_pozadi);
    }
}

QImage& TPlocha::zadni()
{
    if (m_zadni.devicePixelRatio() != devicePixelRatioF())
        nastavBuffery(devicePixelRatioF());
    return m_zadni;
}

bool TPlocha::muzeKreslit() const { return isVisible() && !window()->isMinimized(); }

void TPlocha::prevrat()
{
    std::swap(m_predni, m_zadni);
    update();
}

void TPlocha::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, m_predni);
}
