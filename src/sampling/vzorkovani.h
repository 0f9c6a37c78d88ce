#pragma once
// The numbers of the two sampling windows. A test signal is tabulated every
// 0.1 ms, sampled, and rebuilt by a zero-order hold (each sample held until
// the next one, a staircase) and by a first-order hold (the samples joined by
// straight lines).
//
//   change of input frequency:    table 0 ... 50 ms (501 entries), input
//                                 20 F Hz with F = position / 100, samples
//                                 every 1 ms (1 kHz), sample n = x[10 n];
//   change of sampling frequency: table 0 ... 100 ms (1001 entries), input
//                                 100 Hz, P + 1 samples at t = 100 n / P ms
//                                 (10 P Hz), sample n = x[round(1000 n / P)].
#include <QChar>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace vzorkovani {

enum class Druh { Vstup, Vzorkovani };

// Shapes of the input (entries of `sss`) and holds of the rebuild (`tvar`).
enum Tvar { Sinus, Kosinus, Obdelnik, Pila, Trojuhelnik };
enum Tvarovac { Nulty, Prvni, Oba };

QStringList nazvyTvaru();
QStringList nazvyTvarovacu(Druh d);

// Range and initial position of the scroll bar `frek`.
int minPoloha(Druh d);
int maxPoloha(Druh d);
constexpr int PocatecniPoloha = 100;

// Table length and the time shown, in ms.
int delkaTabulky(Druh d);
int casoveOkno(Druh d);

// The signal table: entry k at k/10 ms. A position below the scroll bar's
// minimum counts as the minimum, so that no division by zero can occur.
std::vector<float> tabulka(Druh d, int poloha, int tvar);

struct Vzorek {
    double t;  // ms
    int index; // table entry
    float v;
};
std::vector<Vzorek> vzorky(Druh d, int poloha, const std::vector<float>& x);

// One point of a graph with its style code.
struct Bod {
    std::int32_t styl;
    double x;
    double y;
};

// The point lists of the three graphs, as they are handed over.
struct Grafy {
    std::vector<Bod> spuv, svzk, srek;
};
Grafy grafy(Druh d, int poloha, int tvar, int tvarovac);

// The value labels a position gives, e.g. fr "= 20,00Hz", tv "= 50,00ms";
// the change of sampling frequency fills fr, ff and tt.
struct Popisky {
    QString fr, tv, ff, tt;
};
Popisky popisky(Druh d, int poloha, QChar oddelovac);

} // namespace vzorkovani
