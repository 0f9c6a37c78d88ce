#pragma once
// Positions of the topic index inside its scroll box, computed from the box's
// client width and the measured heights of the wrapped texts, so that the
// arithmetic is independent of any widget.
#include "app/odkazy.h"

#include <QPoint>
#include <QRect>
#include <functional>
#include <vector>

namespace rozlozeni {

inline constexpr int okraj = 8;     // left margin and the gap after a title
inline constexpr int ikona = 16;    // the guide and theory icons are square
inline constexpr int popisTop = 64; // top of the program description

struct TVstup {
    TDruh druh = TDruh::Odkaz;
    int sirkaNazvu = 0; // width of the auto-sized title label
    int vyskaNazvu = 0; // text height of the title: the pixel height of its font
};

struct TMisto {
    QPoint nazev;
    QPoint navod;  // guide icon (links only)
    QPoint teorie; // theory icon (links only)
    QRect popis;   // description (links only)
    QRect bevel;   // the line above a main heading
};

struct TVysledek {
    int sirkaNadpisu = 0;
    QRect popis; // the program description under the title
    std::vector<TMisto> mista;
    int nic = 0; // top of the end marker; the scroll range ends just below it
};

// Height that a word-wrapped text takes at the given width; index -1 is the
// program description, otherwise the entry's description.
using TVyskaTextu = std::function<int(int index, int sirka)>;

TVysledek rozloz(int sirkaBoxu, const std::vector<TVstup>& polozky, const TVyskaTextu& vyska);

} // namespace rozlozeni
