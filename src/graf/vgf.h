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

class QIODevice;

namespace vorta::graf {

// The whole file for a graph of `pocet` points (clamped to 0 ... 3072);
// `sloty` holds at least pocet + 1 records.
QByteArray zakodujVgf(int pocet, const TBod* sloty);

// Only Ok replaces a graph; every other state leaves it as it was.
enum class StavNacteni {
    Ok,
    NeplatnyFormat, // mark not 12345, version not 1.0, or count outside 0 ... 3072
    ChybaCteni,     // nothing usable (cannot open, no whole header)
    Zkraceny,       // fewer records than announced
};

struct NactenyGraf {
    StavNacteni stav = StavNacteni::ChybaCteni;
    int pocet = 0;              // the count the records hold
    std::vector<TBod> zaznamy;  // slots 0 ... as read
};

NactenyGraf dekodujVgf(QByteArrayView data);
NactenyGraf nactiVgf(const QString& cesta);

// The whole file onto an open device, its buffer flushed: false when any
// byte did not reach the device.
bool zapisVgf(QIODevice& cil, int pocet, const TBod* sloty);

// Written to a temporary file beside the target, which replaces the target
// only once every byte is written and flushed: a failed save (a full disk
// included) leaves the old file whole.
bool ulozVgf(const QString& cesta, int pocet, const TBod* sloty);

} // namespace vorta::graf
