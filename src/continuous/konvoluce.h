#pragma once
// The numbers of the convolution window: two sampled signals u(tau) and
// g(tau) on tau = -4 ... 4 s in steps of 0.01 s, and the discrete convolution
//     y(t) ~ sum_j u(j/100) * g(t - j/100) * 0.01.
// Index k of a table stands for tau = (k - 400) / 100. Everything here works
// on whole hundredths so that no rounding of tau can pick a wrong sample.
#include <QPointF>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace konvoluce {

constexpr int Stred = 400;         // index of tau = 0
constexpr int PocetVzorku = 801;   // tau = -4 ... 4
constexpr int KrokuNaSekundu = 100;
constexpr int PosMax = 200;        // the chosen time t = P / 100, P = 0 ... 200

using Tabulka = std::array<float, PocetVzorku>;

// The entries of the two choices, in the order of their indices.
QStringList nazvyU();
QStringList nazvyG();

// The table of u or g for an entry; an unknown entry gives the zero signal.
Tabulka tabulkaU(int tvar);
Tabulka tabulkaG(int tvar);

// A sample by index; anything outside the table is 0, because the signals
// are zero outside it.
float vzorek(const Tabulka& t, int index);

// Curves as the window plots them (x = tau or t in seconds).
// The signal on tau = -2 ... 2.5 (451 points).
std::vector<QPointF> prubeh(const Tabulka& s);
// g(t - tau) on tau = -2 ... 2.5 for t = P / 100.
std::vector<QPointF> otocene(const Tabulka& g, int P);
// u(tau) * g(t - tau) on tau = -4 ... 4 (801 points).
std::vector<QPointF> soucin(const Tabulka& u, const Tabulka& g, int P);
// y(t) at t = n / 100, the sum over tau = -2 ... 2 times the step 0.01.
double hodnota(const Tabulka& u, const Tabulka& g, int n);
// y(t) on t = -2 ... 2.5 (451 points).
std::vector<QPointF> vysledek(const Tabulka& u, const Tabulka& g);

// The two labels under the scroll bar: "t = 1000ms", "y (1,00) = 0,99".
QString popisCasu(int P);
QString popisHodnoty(int P, double y, QChar oddelovac);

} // namespace konvoluce
