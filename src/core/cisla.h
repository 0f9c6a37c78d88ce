#pragma once
// Numbers as the program shows and reads them.
//
// Every on-screen number goes through these functions: the decimal separator
// is a parameter (the user's locale gives it, tests pin it), rounding to an
// integer takes halves to the even neighbour, and conversions to int are
// clamped so that a NaN or a huge value can never reach undefined behaviour.
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
// sign, digits). Anything else, and a value beyond the range of a double,
// gives no value.
std::optional<long double> naCislo(QStringView text, QChar oddelovac);
std::optional<long double> naCislo(QStringView text); // user's separator

// General format with `presnost` significant digits: fixed notation while the
// value has at most `presnost` digits before the separator and its magnitude
// is at least 0.0001; otherwise a mantissa with one digit before the
// separator, "E", a minus sign only for negative exponents and at least
// `minCislicExponentu` exponent digits. Trailing zeros are dropped.
QString obecnyFormat(long double v, int presnost, int minCislicExponentu, QChar oddelovac);

// Fixed-point with `desetin` decimals after rounding to 8 significant
// digits; values with more than 8 digits before the separator fall back to
// the general format with 8 digits.
QString fixniFormat(long double v, int desetin, QChar oddelovac);
QString fixniFormat(long double v, int desetin); // user's separator

// The graph's number labels: the value rounded to 5 decimals, then three
// significant digits in the general format with at least two exponent digits.
QString grafovyFormat(double v, QChar oddelovac);

// Fifteen significant digits, as a value is shown in full.
QString plnyFormat(long double v, QChar oddelovac);

} // namespace vorta
