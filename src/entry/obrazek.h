#pragma once
// The numbers of the picture analyser: how the trimmed picture is stretched
// onto the 600 x 400 canvas, and how the curve of one colour is found in the
// painted canvas, column by column. Row 200 is the zero line: the top row
// gives 1, the bottom row -0.995.
#include <QImage>
#include <QRgb>
#include <QSize>
#include <array>

namespace obrazek {

inline constexpr int Sirka = 600;
inline constexpr int Vyska = 400;
// The value a column keeps when its colour was not found and gaps are not
// bridged (first-from-top and first-from-bottom methods): far outside the
// result graph.
inline constexpr float Nenalezeno = 200;

enum class Metoda { PrvniZhora = 0, PrvniZdola = 1, Prumer = 2 };

using Krivka = std::array<float, Sirka>;

// Picture pixels cut off each edge.
struct Orez {
    int zleva = 0, zprava = 0, zhora = 0, zdola = 0;
};

// The source rectangle, edges in picture pixels, right and bottom exclusive.
// Trims that cross give x1 < x0 (or y1 < y0): the picture is then drawn
// mirrored; equal edges give an empty rectangle and nothing is drawn.
struct Zdroj {
    int x0, y0, x1, y1;
};
Zdroj zdroj(QSize obraz, const Orez& orez);

// The greatest trim of one edge for a picture size: the size less two, so
// that the untouched opposite edge always keeps two pixels (never below 0).
int maxOrezu(int rozmer);

// Stretches the source rectangle of `obraz` onto the whole canvas without
// keeping the aspect ratio, pixel for pixel (nearest neighbour), so that a
// curve keeps its exact colour; where nothing is drawn the canvas keeps
// `pozadi`. `platno` becomes a 600 x 400 RGB32 image.
void vykresli(const QImage& obraz, const Orez& orez, QRgb pozadi, QImage& platno);

// How far each channel of a lossy picture's pixel may lie from the picked
// colour and still match: JPEG moves the colours of a thin curve by a few tens
// of levels (more at lower quality), while the page, the grid and the other
// curves of a plot differ from it by far more.
inline constexpr int OdchylkaZtratova = 64;

// Finds the colour `barva` (alpha ignored) in every column of the canvas: a
// pixel matches when each channel lies within `odchylka` of it (0: exactly
// the colour, as in a lossless picture). A null canvas (the window was never painted) matches nothing.
// With `preklen`, a column without the colour takes the previous column's
// value (0 before column 0).
Krivka analyzuj(const QImage& platno, QRgb barva, Metoda metoda, bool preklen, int odchylka = 0);

} // namespace obrazek
