#include "sampling/TPlocha.h"

#include <QPainter>
#include <utility>

TPlocha::TPlocha(QSize rozmer, QColor pozadi, QWidget* parent)
    : QWidget(parent), m_predni(rozmer, QImage::Format_RGB32), m_zadni(rozmer, QImage::Format_RGB32)
{
    m_predni.fill(pozadi);
    m_zadni.fill(pozadi);
    setFixedSize(rozmer);
    // Every pixel comes from the buffer: Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
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
