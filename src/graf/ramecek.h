#pragma once
// The outer frame of a graph: its background rectangle and, by frame type,
// a black outline and a two-pixel 3D edge in the classic desktop greys.
#include "graf/bod.h"

#include <QRgb>
#include <QSize>

class QPainter;

namespace vorta::graf {

void vykresliRamecek(QPainter& p, QSize velikost, TTypRamecku typ, QRgb pozadi);

} // namespace vorta::graf
