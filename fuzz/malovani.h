#pragma once
// What both fuzz targets do with records they accepted: paint them, with
// ranges, divisions and styles taken from the same bytes, so that NaN, huge
// and empty ranges reach the painter too; markers stamped and markers drawn
// by the painter must agree pixel for pixel.
#include "graf/bod.h"

#include <vector>

void zalozAplikaci();
void namaluj(const std::vector<TBod>& zaznamy);
