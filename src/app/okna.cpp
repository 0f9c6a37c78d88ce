#include "app/okna.h"

#include <QHash>
#include <QPointer>

namespace okna {

namespace {
QHash<QString, QPointer<QWidget>>& tabulka()
{
    static QHash<QString, QPointer<QWidget>> t;
    return t;
}
} // namespace

void registruj(const QString& trida, QWidget* okno) { tabulka().insert(trida, okno); }

QWidget* najdi(const QString& trida) { return tabulka().value(trida); }

void zobraz(const QString& trida)
{
    if (QWidget* w = najdi(trida)) {
        w->show();
        if (w->isMinimized())
            w->showNormal();
        w->raise();
        w->activateWindow();
    }
}

void nastavOkno(QWidget* okno, const QString& jmeno, const QString& titulek, QSize klient)
{
    okno->setObjectName(jmeno);
    okno->setWindowTitle(titulek);
    okno->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    okno->setFixedSize(klient);
}

} // namespace okna
