#pragma once
// The drawing editor's numbers: one period drawn as one canvas row per
// column, 601 columns for t = 0 ... 1 s. Row 0 is amplitude +1, row 200 is 0
// and row 400 is -1 (amplitude = (200 - row)/200). The drawing area of the
// canvas starts 20 pixels in from its left and top edges.
//
// Mouse rules (Stav): a left press draws freehand until release, filling
// every column between two mouse positions on a straight line; a right press
// takes a copy of the curve and starts straight-line mode, in which the
// segment from the press point follows the mouse (a rubber band over the
// copy) with or without a button held; a further right press fixes the
// segment and starts the next one; a left press, or a right press on the
// border column 0 or 600 while in straight-line mode, ends the mode.
#include <QString>
#include <array>
#include <vector>

namespace kreslic {

inline constexpr int Sloupcu = 601;
inline constexpr int Okraj = 20;
inline constexpr int Nula = 200; // row of amplitude 0
using Krivka = std::array<int, Sloupcu>;

enum class Predloha { Nic, Sin, Cos, Obdelnik, Pila, Trojuhelnik, Sinc };
Krivka predloha(Predloha p);

// Column 0 ... 600 and row 0 ... (canvas height - 40) of a canvas pixel.
int sloupec(int x);
int radek(int y, int vyskaPlatna);

// Writes the straight line from (x0, y0) to (x1, y1) into every column
// between them, both ends included; rows are rounded half to even.
void usecka(Krivka& k, int x0, int y0, int x1, int y1);

// v[i] = (200 - krivka[i])/200 for i = 0 ... 599, as delivered.
std::vector<double> perioda(const Krivka& k);

// The read-outs: "X = 0,25" and "Y = 0,50" / "Y =-0,50".
QString popisX(int sloupec, QChar oddelovac);
QString popisY(int radek, QChar oddelovac);

enum class Tlacitko { Leve, Prave, Prostredni };

struct Stav {
    Krivka krivka;
    Krivka zaloha;
    int posledniX = 0;
    int posledniY = Nula;
    bool kresleni = false;
    bool primka = false;
    Stav();

    void stisk(int x, int y, int vyskaPlatna, Tlacitko t);
    // Returns whether the canvas has to be repainted.
    bool pohyb(int x, int y, int vyskaPlatna);
    void uvolneni() { kresleni = false; }
};

} // namespace kreslic
