#pragma once
#include <cstdint>
#include <string>

// Number text of x with d decimals, right-aligned in w columns, its integer
// digits grouped by threes with blanks (at most two blanks: 2147 483 647).
// Halves round away from zero (sub_Marume); a value that rounds to zero has no
// sign. A value beyond the 32-bit integer range shows "*." and d asterisks. A
// text wider than w loses its rightmost characters.
std::string fun_Dbl_Format(double x, int16_t w, int16_t d);
