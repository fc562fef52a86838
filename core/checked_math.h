#pragma once
// Arithmetic that stops with a run-time error where IEEE arithmetic would carry
// on with an infinity or a NaN: division, square root, the test of a result,
// and the conversion of a double into a 16- or 32-bit integer.

#include <cstdint>

namespace checked {

// a / b. A zero divisor raises division by zero (11), or overflow (6) when a is
// zero too (0/0); a quotient beyond the double range raises overflow.
double div(double a, double b);

// Square root; a negative argument raises invalid argument (5).
double sqrt(double x);

// x itself; an infinity or a NaN raises overflow (6).
double finite(double x);

// x rounded to the nearest integer, halves to even, as a 16- or 32-bit integer;
// a value that does not fit (or a NaN) raises overflow (6).
int16_t toInt16(double x);
int32_t toInt32(double x);

// The sign of x: -1, 0 or +1.
int sgn(double x);

} // namespace checked
