#pragma once
// Pictures of graphs: 8 bits per pixel with a full 256-entry palette that
// holds every colour the picture uses, saved as a Windows bitmap or as PNG.
#include <QFileDevice>
#include <QImage>
#include <QString>
#include <optional>

class QIODevice;

namespace vorta::graf {

// The colours of `rgb` are kept exactly as long as it has no more than the
// palette can hold besides the graph's own colours. Row padding is zero, so
// the same graph always gives the same bytes.
QImage naOsmibitovy(const QImage& rgb);

enum class FormatObrazku { Bmp, Png };

struct CilObrazku {
    QString soubor;
    FormatObrazku format;
};

// The file a picture goes to and its format, from the name the user chose
// and the filter chosen with it: a name ending in ".bmp" or ".png" (in any
// case) keeps its name and says the format; any other name gets the
// filter's extension added (".bmp" for a filter without one), so that no
// file ever holds one format under another format's name.
CilObrazku cilObrazku(const QString& soubor, const QString& filtr);

// The picture onto an open device, its buffer flushed; false when any byte
// did not reach the device.
bool zapisObrazek(QIODevice& cil, const QImage& obrazek, FormatObrazku format);

// Nothing on success, otherwise why not, in Czech: no permission, a full
// disk, a missing folder, or a general failure. The target is replaced only
// after a complete write.
std::optional<QString> ulozObrazek(const QImage& obrazek, const CilObrazku& cil);

// The Czech reason for a failed write to `cesta`, from what the system said
// and from the state of the target's folder.
QString duvodChyby(const QString& cesta, QFileDevice::FileError chyba, const QString& text);

} // namespace vorta::graf
