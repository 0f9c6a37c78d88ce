#pragma once
// The one table of the program's windows. Adding a window is one line here:
// start-up creates the windows in this order, the centring timer centres those
// marked so, and every class name the menu and the topic index use must be in
// it (a test checks that).
#include <QString>
#include <QStringList>
#include <vector>

class QWidget;

struct TOkno {
    const char* trida;  // class name, the key of the window registry
    const char* jmeno;  // instance (object) name the window gives itself
    QWidget* (*vytvor)(); // null while the window is not written yet
    bool centrovat;     // centred on the work area once the event loop runs
};

namespace tabulkaOken {

const std::vector<TOkno>& okna();

// The entry of a class, or null for a class the table does not list.
const TOkno* najdi(const QString& trida);

// Classes the centring timer centres, in table order (written or not: the
// timer passes over a class the registry does not know).
QStringList kCentrovani();

} // namespace tabulkaOken
