#include "app/napoveda.h"

#include <QAction>
#include <QWidget>

namespace napoveda {

QString tema(const QString& cesta) { return QStringLiteral("mk:@MSITStore:VORTA.chm::") + cesta; }

void otevri(const QString&)
{
    // The viewer window lands with the help collection.
}

void pridejNapovedu(QWidget* okno, const QString& cesta)
{
    auto* a = new QAction(QStringLiteral("Help"), okno);
    a->setObjectName(QStringLiteral("Help1"));
    a->setShortcut(Qt::Key_F1);
    a->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(a, &QAction::triggered, okno, [cesta] { otevri(tema(cesta)); });
    okno->addAction(a);
}

} // namespace napoveda
