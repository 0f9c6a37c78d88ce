#pragma once
// The program's own small pictures, drawn rather than loaded so that they
// need no files. Sizes are in logical pixels; each is drawn at the given
// device pixel ratio, so that it stays sharp on a scaled screen.
#include <QImage>

namespace ikony {

// 16 x 16 on a transparent background.
QImage otaznik(qreal pomer = 1); // the guide icon: a question mark
QImage info(qreal pomer = 1);    // the theory icon: an "i"

// 97 x 98 on a transparent background: a sampled wave and its spectrum.
QImage logo(qreal pomer = 1);

} // namespace ikony
