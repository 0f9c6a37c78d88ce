#pragma once
// JPEG decoding through libjpeg, with an error path that comes back to the
// program: libjpeg's own error handler ends the process.
#include <QByteArray>
#include <QImage>
#include <cstdint>

namespace jpeg {

// Whether the bytes start like a JPEG file (start-of-image marker).
bool jeJpeg(const QByteArray& data);

// The picture as RGB32, or a null image when the data are not a whole, sound
// JPEG or its header announces more than `maxPixelu` pixels (refused before
// anything of that size is allocated). Never prints, never exits.
QImage dekoduj(const QByteArray& data, std::int64_t maxPixelu);

} // namespace jpeg
