#include "shell/TObraz.h"

#include <QEvent>
#include <QPixmap>

TObraz::TObraz(QWidget* rodic) : QLabel(rodic) {}

void TObraz::nastav(Kresba kresba)
{
    m_kresba = std::move(kresba);
    m_pomer = 0;
    if (isVisible())
        nakresli();
}

void TObraz::nakresli()
{
    m_pomer = devicePixelRatioF();
    setPixmap(QPixmap::fromImage(m_kresba(m_pomer)));
}

bool TObraz::event(QEvent* e)
{
    // Shown first, or painted on a screen of another ratio than the picture
    // was drawn for (the window moved, or the screen's scale changed).
    if ((e->type() == QEvent::Show || e->type() == QEvent::Paint) && m_kresba && m_pomer != devicePixelRatioF())
        nakresli();
    return QLabel::event(e);
}
