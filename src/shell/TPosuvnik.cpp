#include "shell/TPosuvnik.h"

#include <QKeyEvent>
#include <QPainter>

TPosuvnik::TPosuvnik(QWidget* parent, Qt::Orientation smer) : QScrollBar(smer, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void TPosuvnik::keyPressEvent(QKeyEvent* e)
{
    // A scroll bar inverts its controls so that the wheel turns the natural
    // way; for the keys that makes Left move right. Take the arrows here (a
    // vertical bar's Up and Down already go the way they point).
    switch (orientation() == Qt::Horizontal ? e->key() : 0) {
    case Qt::Key_Left:
        triggerAction(SliderSingleStepSub);
        break;
    case Qt::Key_Right:
        triggerAction(SliderSingleStepAdd);
        break;
    default:
        QScrollBar::keyPressEvent(e);
        return;
    }
    e->accept();
}

void TPosuvnik::paintEvent(QPaintEvent* e)
{
    QScrollBar::paintEvent(e);
    if (!hasFocus())
        return;
    // The style marks no focus on a scroll bar; without a mark a user who
    // tabbed here could not tell where the arrows go. The highlight frame
    // is the one a focused edit box shows.
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}
