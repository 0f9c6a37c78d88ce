#include "continuous/TPosuvnik.h"

#include <QKeyEvent>

TPosuvnik::TPosuvnik(QWidget* parent) : QScrollBar(Qt::Horizontal, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void TPosuvnik::keyPressEvent(QKeyEvent* e)
{
    // A scroll bar inverts its controls so that the wheel turns the natural
    // way; for the keys that makes Left move right. Take the arrows here.
    switch (e->key()) {
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
