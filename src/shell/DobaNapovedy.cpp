#include "shell/DobaNapovedy.h"

#include <QEvent>
#include <QWidget>

DobaNapovedy::DobaNapovedy(int ms, QObject* parent) : QObject(parent), m_ms(ms) {}

bool DobaNapovedy::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::ToolTip)
        if (auto* w = qobject_cast<QWidget*>(o); w && w->toolTipDuration() < 0)
            w->setToolTipDuration(m_ms);
    return false;
}
