#include "graf/pisma.h"

#include <QApplication>

namespace vorta {

void nastavPisma()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::setFont(pismoRozhrani());
}

QFont pismo(const QString& rodina, int pixelu, bool tucne)
{
    QFont f(rodina);
    f.setPixelSize(pixelu);
    f.setBold(tucne);
    return f;
}

QFont pismoRozhrani() { return pismo(QStringLiteral("MS Sans Serif"), 11); }

QFont pismoGrafu(bool tucne)
{
    QFont f = pismo(QStringLiteral("MS Sans Serif"), 11, tucne);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

} // namespace vorta
