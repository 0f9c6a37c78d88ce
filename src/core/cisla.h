#pragma once
// Numbers as the program shows and reads them.
//
// Every on-screen number goes through these functions: the decimal separator
// is a parameter (the user's locale gives it, tests pin it), rounding to an
// integer takes halves to the even neighbour, and conversions to int are
// clamped so that a NaN or a huge value can never reach undefined behaviour.
//
// Nothing here depends on the C library's locale (QApplication sets it from
// the environment, and a Czech one makes strtod and printf use a comma): the
// digits come from std::to_chars and std::from_chars, the separator is ours.
// The formats round on decimal digits, halves away from zero, as people
// round on paper: 0,125 to two decimals is 0,13.
#include <QChar>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace vorta {

// The decimal separator of the user's locale.
QChar desetinnyOddelovac();

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
long double zaokrouhli(long double v);
// Towards zero.
long double orizni(long double v);

// Round half to even / truncate, then convert to int, clamped to
// [-limit, limit]; NaN gives 0. The limit keeps pixel arithmetic that follows
// far from overflow.
int zaokrouhliNaInt(long double v, int limit = 1 << 28);
int orizniNaInt(long double v, int limit = 1 << 28);

// A typed text to a number: optional surrounding blanks, a sign, digits with
// at most one decimal separator, and an optional exponent (E or e, optional
// sign, digits), digits in ASCII. Anything else, and a value beyond the
// range of a double, gives no value; values up to the largest double as
// plnyFormat shows it (1,79769313486232E308) give the largest double, and a
// value below the normal long doubles (about 3,4E-4932) gives zero.
std::optional<long double> naCislo(QStringView text, QChar oddelovac);
std::optional<long double> naCislo(QStringView text); // user's separator

// Bounds of the format parameters; larger requests are clamped to them.
inline constexpr int maxDesetin = 100;
inline constexpr int maxCislicExponentu = 8;

// General format with `presnost` significant digits (1 to 18, clamped; the
// exact value rounded, halves away from zero): fixed notation while the
// value has at most `presnost` digits before the separator and its magnitude
// is at least 0.0001; otherwise a mantissa with one digit before the
// separator, "E", a minus sign only for negative exponents and at least
// `minCislicExponentu` exponent digits. Trailing zeros are dropped.
QString obecnyFormat(long double v, int presnost, int minCislicExponentu, QChar oddelovac);

// Fixed-point with `desetin` decimals (0 to maxDesetin, clamped): the value
// is rounded to 8 significant digits, and those digits to the decimals, both
// times halves away from zero (0.49499999996 is 0,49500000 and then 0,50).
// Values with more than 8 digits before the separator fall back to the
// general format with 8 digits and `desetin` exponent digits. A value that
// rounds to zero has no minus sign.
QString fixniFormat(long double v, int desetin, QChar oddelovac);
QString fixniFormat(long double v, int desetin); // user's separator

// The graph's number labels: the value's 15 significant digits rounded to 5
// decimals, then to three significant digits, in the general format with at
// least two exponent digits.
QString grafovyFormat(double v, QChar oddelovac);

// Fifteen significant digits, as a value is shown in full; it reads back
// with naCislo.
QString plnyFormat(long double v, QChar oddelovac);

} // namespace vorta
