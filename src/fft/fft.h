#pragma once
// The radix-2 decimation-in-time FFT as the flow-graph window teaches it: bit
// reversal of the row numbers, the butterfly partner of a row, the twiddle
// factor W(k, N) = exp(-j*2*pi*k/N) and the texts of complex values.
//
// Values are single precision throughout, as the window stores and shows
// them; a product is formed in extended precision from the single operands
// and stored back as single.
#include <QChar>
#include <QString>
#include <cstdint>

namespace fft {

struct Komplex {
    float re = 0;
    float im = 0;
};

// The L-bit reversal of i: bit b of i becomes bit L-1-b.
int obratit(int i, int L);
// i with bit s inverted: the other row of the butterfly of stage s.
inline int partner(int i, int s) { return i ^ (1 << s); }
// The L-digit binary notation of i, most significant digit first.
QString binarne(int i, int L);
// An integer in decimal, as row numbers and k, N are written.
QString desitkove(long long v);
// log2 of a power of two.
int log2N(int N);

// A value in single precision; beyond the largest single it becomes infinite
// with its sign instead of reaching an out-of-range conversion.
float jednoducha(long double v);

// W(k, N) = cos(2*pi*k/N) - j*sin(2*pi*k/N), rounded to single precision.
Komplex konstanta(int k, int N);
// The complex product in extended precision, stored as single.
Komplex soucin(Komplex a, Komplex b);

// A complex value as the window writes it, two decimals and precision 8:
// "0.71 - j0.71" (the sign is " + j" for an imaginary part >= 0, also -0),
// or in polar form "1.00 -45.00°" (magnitude, angle in degrees in
// (-180, 180]). Infinite and undefined parts read INF, -INF or NAN.
QString komplexni(Komplex c, bool exponencialni, QChar oddelovac);

// Magnitude and angle in degrees in (-180, 180], from the single parts.
long double velikost(Komplex c);
long double uhel(Komplex c);

// Which texts the twiddle labels are built from.
struct Zobrazeni {
    bool zavislost = true; // W(k,N)
    bool expo = false;     // exp(-j*2*pi*k/N)
    bool rovnici = false;  // cos(2*pi*k/N)-j*sin(2*pi*k/N)
    bool vysledek = false; // the value
    bool exponencialni = false; // polar form of every complex value
};

// The label of the twiddle factor W(k, N) with value w; "?" when no part is
// chosen.
QString popisKonstanty(int k, int N, Komplex w, const Zobrazeni& z, QChar oddelovac);

} // namespace fft
