#pragma once
// Opening a picture to digitise: JPEG through our libjpeg decoder, SVG (the
// vector format here) through Qt Svg, Windows bitmap, PNG, GIF and icon
// through Qt's image readers. Every format ends as an RGB32 bitmap of the
// picture's size, transparent parts on white, so that all are shown and
// analysed alike.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>

namespace obrazek {

// Larger pictures are refused from their header, before they are decoded.
inline constexpr std::int64_t MaxPixelu = 100'000'000;

// The picture, or a null image when the bytes are no picture we can read, a
// picture without pixels, a broken one, or one above `maxPixelu`.
QImage nacti(const QByteArray& data, std::int64_t maxPixelu = MaxPixelu);
QImage nactiSoubor(const QString& cesta, std::int64_t maxPixelu = MaxPixelu);

// Whether the picture came from a lossy format (JPEG): its colours are only
// close to the ones drawn, so the curve's colour cannot be matched exactly.
// The loader marks such a picture with this text key.
inline constexpr const char* KlicZtratovy = "vorta-ztratovy";
bool jeZtratovy(const QImage& obraz);

// The open dialog's filter.
QString filtrSouboru();

} // namespace obrazek
