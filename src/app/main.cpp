#include "app/THlavniOkno.h"
#include "app/start.h"
#include "graf/pisma.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    vorta::nastavPisma();
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
