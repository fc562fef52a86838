#pragma once
#include <cstdint>

// d.mmss notation to decimal degrees. v: angle typed as degrees, two digits of
// minutes, two of seconds and decimal fractions of a second (45.3015 is
// 45°30'15"); minutes and seconds are not checked against 60. Outputs: deg, the
// signed decimal degrees; D, the signed whole degrees; M, the minutes; Sr, the
// whole seconds rounded half up (not carried); S, the seconds with fraction.
// A value of 32768 or more in magnitude raises overflow (whole degrees are 16-bit).
void sub_Hr(double v, double& deg, int16_t& D, int16_t& M, int16_t& Sr, double& S);

// The decimal degrees of a d.mmss value: the first output of sub_Hr.
double dmmssToDegrees(double v);
