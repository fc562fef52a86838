#pragma once
#include <cstdint>

// Decimal degrees x split into degrees, minutes and seconds. A magnitude of 360
// or more is reduced by 360 once only. Outputs: the truncated split D (signed),
// M, S (seconds with fraction); the rounded split Dr (signed), Mr, Sr (whole
// seconds rounded half up, 60" carried into the minutes, 60' into the degrees,
// 360° wrapped to 0). M, S, Mr and Sr are never negative; the sign of an angle
// between -1° and 0° is lost in D. Whole degrees beyond 16 bits raise overflow.
void sub_Hms(double x, int16_t& D, int16_t& M, double& S, int16_t& Dr, int16_t& Mr, int16_t& Sr);
