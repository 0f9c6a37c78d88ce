#pragma once
// The shape generator of the shift-and-scale window: one shape drawn twice,
// as s(t) and as A·s(B·t + C), from the three parameter texts the user typed.
//
// Sine, cosine and rectangle transform the argument of the function and keep
// x = t; the random shapes and the special signal move their stored points
// instead: the point (x, y) of s lands where B·t + C = x, at ((x − C)/B, A·y).
#include <QChar>
#include <QPointF>
#include <QStringView>
#include <array>
#include <cstdint>
#include <random>
#include <vector>

namespace tvary {

// Shape codes as the combo entries select them.
enum Tvar : std::uint8_t { Sinus = 0, Kosinus = 1, Obdelnik = 5, Nahodny1 = 6, Nahodny2 = 7, Specialni = 8 };

// Combo index 0 ... 5 -> shape code; anything else gives the special signal.
Tvar tvarZIndexu(int index);

constexpr int PocetNahodnych = 801;
using Nahodne = std::array<float, PocetNahodnych>;

// 801 new samples, each uniform over -1.50, -1.49, ..., +1.49.
void naplnNahodne(Nahodne& tabulka, std::mt19937& generator);

// Limits of |A|, |B| and |C|, inclusive.
constexpr double MezA = 2.1, MezB = 5.1, MezC = 10.1;
// Added to the typed B where it divides (the point shapes) and where it is
// checked against its limit, so that no division is by an exact zero.
constexpr double PridavekB = 1e-13;

// 0 when -mez <= hodnota <= mez, otherwise -1 (the caller beeps).
int kontrola(double hodnota, double mez);

// What reading the three boxes gave: the values to draw with, which boxes
// stay red, how many parameters were rejected (one beep each), and whether
// the transformed graph is to stay empty.
struct Parametry {
    double A = 1, B = 1, C = 0; // B as typed
    std::array<bool, 3> cervene{true, true, true}; // A, B, C
    int pipnuti = 0;
    bool chyba = false;
};

Parametry ctiParametry(QStringView a, QStringView b, QStringView c, QChar oddelovac);

struct Krivky {
    Parametry parametry;
    std::vector<QPointF> puvodni;  // graph `origin`
    std::vector<QPointF> posunuty; // graph `posuv`; empty after a rejected parameter
};

// Both point lists of one shape; every point is appended with style code 2.
Krivky generuj(Tvar tvar, const Parametry& p, const Nahodne& nahodne);

// The rectangle of period 2: +1 where floor(v) is even, -1 where it is odd.
long double obdelnik(long double v);

// The divisor of the point shapes: B + 1e-13, never exactly zero.
long double delitelB(double B);

} // namespace tvary
