#pragma once
// The whole signal-flow graph of one transform: the reordered input, then for
// every stage the twiddle factor of each row and the values after the
// butterflies, with the texts the graph shows. The canvas draws exactly these
// values and texts, so every number shown is the number used in the next
// stage.
#include "fft/fft.h"

#include <QString>
#include <vector>

namespace fft {

struct Etapa {
    std::vector<int> k;        // twiddle exponent of each row, -1 for rows without one
    std::vector<Komplex> W;    // its value, (1, 0) for rows without one
    std::vector<Komplex> A;    // the values after this stage's butterflies
};

struct Tok {
    int N = 0;
    int L = 0;
    std::vector<Komplex> poradi; // the input after the bit-reversal reordering
    std::vector<Etapa> etapy;    // L stages; the last one's A is the spectrum
};

// The samples as the editors' texts give them: a text that is not a number
// counts as 0; a number beyond single precision becomes infinite.
std::vector<float> hodnotyTextu(const std::vector<QString>& texty, QChar oddelovac);

// The transform of N = x.size() samples (a power of two, at least 2), stage
// by stage as the graph shows it: the twiddle products W*A in extended
// precision stored as single, then a + W*b on the upper row and a - W*b on
// the lower row of every butterfly, in single precision.
Tok spocitej(const std::vector<float>& x);

// The texts of the graph, one per row in each column.
struct TextyToku {
    std::vector<QString> vstupy;       // "s(3)" or "s(011)"
    std::vector<QString> vstupniHodnoty; // " = " and the editor's text as typed
    std::vector<QString> preskupene;   // "s(6)" for the reordered row
    std::vector<QString> preskupeneHodnoty;
    std::vector<std::vector<QString>> konstanty; // per stage; empty text for rows without a factor
    std::vector<std::vector<QString>> hodnoty;   // per stage: komplexni(A), " = " before it on the last
    std::vector<QString> vysledky;     // "S(0)" ... for the last stage
};

// The graph before the last change, whose texts stay wherever the value
// (bit for bit) and the options are the same: a keystroke changes about 2N
// of the N*log2(N) values, and only those are formatted again.
struct Predchozi {
    const Tok* tok = nullptr;
    const TextyToku* texty = nullptr;
    Zobrazeni z;
    QChar oddelovac;
};

TextyToku texty(const Tok& tok, const std::vector<QString>& textyEditoru, bool binar, const Zobrazeni& z,
                QChar oddelovac, const Predchozi& predchozi = {});

} // namespace fft
