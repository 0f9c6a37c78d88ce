#pragma once
// The numbers of the two-signal window: its generator y = A·s(B·t + C) + D,
// the running result A op B, and the operations chosen after a drop.
//
// Every signal here is exactly 801 records, whatever the graph it came from
// holds: graphs are paired by index, not by x value.
#include "graf/bod.h"

#include <QChar>
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>

namespace soucet {

// One graph record: the graph's own point (a plain struct, no widgets).
using Zaznam = TBod;

constexpr int PocetZaznamu = 801;
using Signal = std::array<Zaznam, PocetZaznamu>;

// Generator entries in combo order.
enum class Tvar { Sinus, Kosinus, Skok, Rampa, Obdelnik, Pila, Trojuhelnik };
constexpr int PocetTvaru = 7;

// The generator's parameters; C is held shifted by 10000 so that the saw and
// the triangle take the fractional part of a positive number.
struct Generator {
    long double A = 1, B = 1, Cc = 10000, D = 0;
};

// B gets 1e-24 added; a text that does not convert gives A = 1, B = 1, C = 0,
// D = 0 for all four. No range check.
Generator ctiGenerator(QStringView a, QStringView b, QStringView c, QStringView d, QChar oddelovac);

// 801 points (i/200, y), i = -400 ... 400, style code 2.
Signal generuj(Tvar tvar, const Generator& g);

// y of the result for one pair of samples; the operator is the first
// character of the button's caption ("+", "-" or "*"; anything else adds).
long double spocti(QChar znamenko, long double a, long double b);

// The result graph: (b.x, a op b, b.Styl) for every pair.
Signal vysledek(const Signal& a, const Signal& b, QChar znamenko);

// The operator button's cycle: + -> - -> * -> +; anything else -> +.
QString dalsiZnamenko(const QString& znamenko);

// Operation codes of the drop menu.
enum Operace { Pricist = 1, Odecist = 2, Nasobit = 3, Prepsat = 4, Vymenit = 5 };

// Applies an operation to the target `cil` with the dragged signal `zdroj`:
// codes 1 ... 3 give target op dragged with x and style from the dragged
// graph, 4 copies the dragged signal, 5 swaps the two. Only a swap changes
// `zdroj`. Unknown codes leave both as they are.
void proved(int kod, Signal& zdroj, Signal& cil);

} // namespace soucet
