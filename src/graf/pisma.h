#pragma once
// The program names the classic Windows faces; on this platform they are
// served by the metric-compatible Liberation faces, so that the pixel heights
// of labels and titles come out as designed.
#include <QFont>
#include <QString>

namespace vorta {

// Registers the substitutions; call once after the application object exists.
void nastavPisma();

// A font of the given face with a height in pixels.
QFont pismo(const QString& rodina, int pixelu, bool tucne = false);
// The default interface font ("MS Sans Serif", 8 pt = 11 pixels).
QFont pismoRozhrani();
// The interface font as graphs draw with it: without antialiasing, so that a
// graph holds only its own colours, as on the classic canvas (and its 8-bit
// pictures match the screen pixel for pixel).
QFont pismoGrafu(bool tucne = false);

} // namespace vorta
