#pragma once
// The topic index of the main window: the demonstrations grouped under
// headings, each link with its guide and theory help topics and the window it
// shows.
#include <QString>
#include <QStringList>
#include <array>

enum class TDruh { Odkaz = 0, Podnadpis = 1, Nadpis = 2 };

struct TOdkaz {
    QString Nazev;  // the line shown in the index
    QString Popis;  // shown under a link; empty for headings
    QString Navod;  // help topic path of the operating guide, empty = none
    QString Teorie; // help topic path of the related theory, empty = none
    QString Akce;   // class of the window the link shows (the same as its menu item)
    TDruh Druh = TDruh::Odkaz;
};

namespace odkazy {

// The table has room for 26 entries; the index uses the first `pocet`.
inline constexpr int kapacita = 26;
const std::array<TOdkaz, kapacita>& tabulka();
int pocet();

} // namespace odkazy
