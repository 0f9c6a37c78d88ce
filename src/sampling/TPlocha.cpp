#include "sampling/TPlocha.h"

#include "graf/pomer.h"

#include <QPainter>
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
    for (QImage* o : {&m_predni, &m_zadni}) {
        *o = vorta::graf::obrazNaPomer(m_rozmer, dpr, QImage::Format_RGB32);
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
