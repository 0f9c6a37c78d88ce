#pragma once
// Decimal digits of a number, and rounding on those digits.
//
// Shown numbers are rounded the way people round on paper: on the decimal
// digits, halves away from zero. Rounding twice through binary values gets
// that wrong: 0.255 is stored as 0.25500000000000000444 in a double and as
// 0.25499999999999999999566 in a long double, and a second rounding sees
// the binary value, not the digits 0,255. So every step here works on a
// digit string.
#include <string>

namespace vorta::desetinne {

// The number ±0.c1c2c3... x 10^exponent. `cislice` holds only '0'..'9',
// never starts or ends with '0'; an empty string is zero.
struct Desetinne {
    std::string cislice;
    int exponent = 0;
    bool zaporne = false;

    bool nula() const { return cislice.empty(); }
};

// The most significant digits the formats ask for.
inline constexpr int maxPlatnych = 18;

// The exact value of a finite `v` rounded to `platnych` significant digits
// (clamped to 1..maxPlatnych), halves away from zero.
Desetinne platne(long double v, int platnych);

// Rounds to `desetin` digits after the decimal point, halves away from zero;
// a negative count rounds to tens, hundreds, ...
void naDesetiny(Desetinne& d, int desetin);

// Rounds to at most `platnych` significant digits (at least one), halves
// away from zero.
void naPlatne(Desetinne& d, int platnych);

} // namespace vorta::desetinne
