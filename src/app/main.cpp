#include "app/THlavniOkno.h"
#include "app/start.h"
#include "graf/pisma.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    vorta::nastavPisma();
    // Installed, the desktop entry and the icon theme give every window the
    // program's icon; run from the build tree it simply has none.
    QGuiApplication::setDesktopFileName(QStringLiteral("cz.vorta.Vorta"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("cz.vorta.Vorta")));
    // The file dialogs and the standard buttons speak Czech like the rest of
    // the program, whatever the user's locale.
    QTranslator qtCesky;
    if (qtCesky.load(QStringLiteral("qtbase_cs"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtCesky);
    THlavniOkno* hlavni = vytvorOkna();
    hlavni->show();
    const int vysledek = app.exec();
    zrusOkna();
    return vysledek;
}
