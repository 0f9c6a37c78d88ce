#include "app/THlavniOkno.h"
#include "app/start.h"
#include "graf/pisma.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    vorta::nastavPisma();
    THlavniOkno* hlavni = vytvorOkna();
    hlavni->show();
    const int vysledek = app.exec();
    zrusOkna();
    return vysledek;
}
