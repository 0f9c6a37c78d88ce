#pragma once
// A very small formula typesetter for the pictures of the synthesis and
// convolution windows: text, subscripts and built-up fractions in one line.
// Single letters (n, m, t, j, ...) are set in italics as variables; words
// such as sin and cos and all other characters stay upright.
#include <QFont>
#include <QString>
#include <vector>

class QPainter;

namespace sazba {

struct Prvek {
    enum Druh { Text, Index, Horni, Zlomek } druh = Text;
    QString text;
    std::vector<Prvek> citatel, jmenovatel;
};
using Radek = std::vector<Prvek>;

inline Prvek T(const QString& s) { return {Prvek::Text, s, {}, {}}; }
inline Prvek I(const QString& s) { return {Prvek::Index, s, {}, {}}; }
inline Prvek H(const QString& s) { return {Prvek::Horni, s, {}, {}}; }
inline Prvek Z(Radek citatel, Radek jmenovatel) { return {Prvek::Zlomek, {}, std::move(citatel), std::move(jmenovatel)}; }

// Extent of a line set in a font: width, and height above and below the
// baseline.
struct Rozmer {
    qreal sirka = 0, nad = 0, pod = 0;
    qreal vyska() const { return nad + pod; }
};

Rozmer zmer(const Radek& r, const QFont& f);
// Draws the line with its baseline at y, starting at x, in the painter's pen.
void kresli(QPainter& p, const Radek& r, const QFont& f, qreal x, qreal y);

} // namespace sazba
