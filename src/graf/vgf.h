#pragma once
// Graph files (.vgf): 12-byte little-endian records with nothing between
// them. Record 0 is the header: the mark 12345.0 (single), the version 1.0
// (single) and the point count (int32); then count + 1 point records, slots
// 0 ... count of the graph, the slot after the last point included.
#include "graf/bod.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

namespace vorta::graf {

// The whole file for a graph of `pocet` points (clamped to 0 ... 3072);
// `sloty` holds at least pocet + 1 records.
QByteArray zakodujVgf(int pocet, const TBod* sloty);

enum class StavNacteni {
    Ok,
    NeplatnyFormat, // mark not 12345 or count outside 0 ... 3072: graph left as it was
    ChybaCteni,     // nothing usable (cannot open, no whole header): graph left as it was
    Zkraceny,       // fewer records than announced: what was read replaces the graph
};

struct NactenyGraf {
    StavNacteni stav = StavNacteni::ChybaCteni;
    int pocet = 0;              // the count the graph takes
    std::vector<TBod> zaznamy;  // slots 0 ... as read
};

NactenyGraf dekodujVgf(QByteArrayView data);
NactenyGraf nactiVgf(const QString& cesta);

// Written to a temporary file beside the target, which replaces the target
// only once every byte is written: a failed save leaves the old file whole.
bool ulozVgf(const QString& cesta, int pocet, const TBod* sloty);

} // namespace vorta::graf
