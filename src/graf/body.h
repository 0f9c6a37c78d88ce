#pragma once
// The points of a graph, drawn into an image of the plot area: every one of
// the 3073 slots, each with its style code, the pen starting at (0, 0).
#include "graf/vykresleni.h"

class QImage;

namespace vorta::graf {

// `plocha` already holds the background, grid and zero lines; its bottom row
// + 1 is the minimum of y, its column 0 the minimum of x. The ranges are the
// repaired ones. Markers are stamped (`razitka`) or drawn by the painter;
// the pixels are the same.
void vykresliBody(QImage& plocha, const PopisGrafu& g, Rozsah rx, Rozsah ry, bool razitka);

} // namespace vorta::graf
