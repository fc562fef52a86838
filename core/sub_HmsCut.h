#pragma once
#include <cstdint>

// Decimal degrees x split into degrees D (signed), minutes M and seconds S
// rounded to n decimals (half up on the magnitude). A rounding up to 60" is
// carried into the minutes and degrees, and 360° wraps to 0, so 45°30'59.9995"
// with n = 3 gives 45°31'00.000".
void sub_HmsCut(double x, int16_t n, int16_t& D, int16_t& M, double& S);
