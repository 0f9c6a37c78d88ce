#pragma once
// The program's own small pictures, drawn rather than loaded so that they
// scale with nothing and need no files.
#include <QImage>

namespace ikony {

// 16 x 16 on a transparent background.
QImage otaznik(); // the guide icon: a question mark
QImage info();    // the theory icon: an "i"

// 97 x 98 on a transparent background: a sampled wave and its spectrum.
QImage logo();

} // namespace ikony
