#include "graf/pisma.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    vorta::nastavPisma();
    return 0;
}
