#pragma once
// Pictures at a device pixel ratio: a control's size in its own pixels, the
// picture holding every device pixel it covers on a scaled screen.
#include <QImage>
#include <QSize>

namespace vorta::graf {

// The device pixels that `velikost` control pixels cover at the ratio `dpr`.
QSize fyzickaVelikost(QSize velikost, qreal dpr);

// A picture of `velikost` control pixels at the ratio `dpr` (not filled); a
// painter on it draws in control pixels, onto the finer grid.
QImage obrazNaPomer(QSize velikost, qreal dpr, QImage::Format format);

} // namespace vorta::graf
