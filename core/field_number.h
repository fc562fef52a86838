#pragma once
// Reading the number a surveyor typed into a field, and the text a field is
// rewritten with when it is left.

#include <string>
#include <string_view>

// The number at the start of text. Blanks, tabs and line feeds are skipped
// wherever they stand (so "1 234.5" reads 1234.5); then an optional sign, digits
// with at most one decimal point, and an optional exponent introduced by E or D
// in either case. "&H" and "&O" start a hexadecimal or octal integer of at most
// 32 bits (reading stops before a digit that would exceed them). Reading stops
// at the first character that cannot continue the number; a text without a
// leading number reads as 0. A magnitude beyond the double range raises overflow.
double readFieldNumber(std::string_view text);

// The number a whole text stands for, blanks, tabs and line feeds allowed only
// before and after it: sign, digits with at most one point, an optional
// exponent (E or D), or an &H / &O integer. Any other text, the empty one
// included, raises type mismatch (13).
double readStrictNumber(std::string_view text);

// The shortest decimal text of x with at most 15 significant digits: no trailing
// zeros, "0" before a leading point, no sign on zero. Magnitudes from 1e-5 up to
// below 1e15 are written in positional form; others in exponent form, such as
// "1.5E+20" or "1E-06". readFieldNumber reads the text back as x rounded to 15
// significant digits.
std::string fieldNumberText(double x);
