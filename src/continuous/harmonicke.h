#pragma once
// Fourier series of six periodic signals of period T = 1 s (omega = 2 pi):
//     x(t) = a0 + sum_n [ a(n) cos(2 pi n t) + b(n) sin(2 pi n t) ],
// a0 being the mean value itself. The coefficients are closed-form; the
// complex form is c(0) = a0, c(m) = (a(m) - j b(m)) / 2 for m != 0, with
// a(-m) = a(m) and b(-m) = -b(m).
#include <QPointF>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace harmonicke {

constexpr int PocetSignalu = 6;
constexpr int MaxHarmonickych = 40;

// The entries of the signal choice, by index.
QStringList nazvy();

// Coefficients of a signal; an unknown signal gives the zero signal. The
// formulas hold for n != 0 (either sign); n = 0 gives 0 (the mean is a0).
double a0(int signal);
double a(int signal, int n);
double b(int signal, int n);

// The signal itself at time t (any t; periodic), for comparison with its
// partial sums. At a jump it gives the mean of the two sides.
double hodnota(int signal, double t);

// The partial sum with harmonics 1 ... N at time t.
double castecnySoucet(int signal, int N, double t);
// The partial sum on t = -0.5 ... 1.5 s in steps of 0.01 s (201 points).
std::vector<QPointF> castecnySoucet(int signal, int N);

// Complex spectrum: |c(m)|, and arg c(m) in degrees in (-180, 180]. The phase
// comes from a(m) and -b(m) rounded to units of 1/10000 (halves to even), so
// that coefficients which vanish in theory but not in floating point give 0.
double modul(int signal, int m);
double faze(int signal, int m);
double fazeZeSlozek(double a, double b);

// Style code of a harmonic's bar: highlighted while it takes part in the sum.
int stylHarmonicke(int n, int N);

// The help topic that derives a signal's coefficients: "/signal3.html",
// "/ksignal3.html" in complex form.
QString tema(int signal, bool komplexne);

} // namespace harmonicke
