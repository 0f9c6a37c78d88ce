#pragma once
// The payload of a dragged graph, under a MIME type of the program's own:
// the process and the serial number of the source graph (little-endian
// int64 and uint64), the point count (int32), then slots 0 ... count - 1 as
// graph-file records. A receiver looks the source up among the live graphs
// of its own process; the records let it refuse a damaged payload first.
#include "graf/bod.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace vorta::graf {

inline const QString mimeTazeni = QStringLiteral("application/x-vorta-graf");

struct ObsahTazeni {
    std::int64_t proces = 0;
    std::uint64_t graf = 0;
    std::vector<TBod> body; // count = body.size()
};

// `pocet` is clamped to 0 ... 3072; `sloty` holds at least pocet records.
QByteArray zakodujTazeni(std::int64_t proces, std::uint64_t graf, int pocet, const TBod* sloty);
// Nothing when the length does not match the count or the count is outside
// 0 ... 3072.
std::optional<ObsahTazeni> dekodujTazeni(QByteArrayView data);

} // namespace vorta::graf
