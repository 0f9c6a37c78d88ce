#include "entry/TPlatno.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

TPlatno::TPlatno(const QImage& obraz, QWidget* parent) : QWidget(parent), m_obraz(obraz)
{
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPlatno::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_obraz.isNull())
        p.fillRect(rect(), palette().window());
    else
        p.drawImage(0, 0, m_obraz);
}

void TPlatno::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit stisk(e->position().toPoint());
}

void TPlatno::mouseMoveEvent(QMouseEvent* e)
{
    if (e->buttons() & Qt::LeftButton)
        emit tah(e->position().toPoint());
}

void TPlatno::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit pusteni();
}
