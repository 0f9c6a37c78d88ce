#pragma once
// Pictures of graphs: 8 bits per pixel with a full 256-entry palette that
// holds every colour the picture uses, saved as a Windows bitmap (or as PNG
// when the name ends in ".png").
#include <QImage>
#include <QString>
#include <optional>

namespace vorta::graf {

// The colours of `rgb` are kept exactly as long as it has no more than the
// palette can hold besides the graph's own colours.
QImage naOsmibitovy(const QImage& rgb);

// Nothing on success, otherwise the system's description of the failure.
// The target is replaced only after a complete write.
std::optional<QString> ulozObrazek(const QImage& obrazek, const QString& cesta);

} // namespace vorta::graf
