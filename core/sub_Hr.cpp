#include "sub_Hr.h"

#include "checked_math.h"

#include <cmath>

void sub_Hr(double v, double& deg, int16_t& D, int16_t& M, int16_t& Sr, double& S)
{
    const int s = checked::sgn(v);
    // The bias keeps 2.3, stored just below 2.3, from reading as 2°29'99.99...".
    const double a = std::fabs(v) + 1e-13;
    const int16_t d = checked::toInt16(std::floor(a));
    const double b = (a - d) * 100.0;
    M = checked::toInt16(std::floor(b));
    double sec = (b - M) * 100.0;
    Sr = checked::toInt16(std::floor(sec + 0.5));
    sec -= 1e-9; // removes the bias again: 1e-13 degree-units is 1e-9 of a second
    S = sec;
    deg = (M / 60.0 + d + sec / 3600.0) * s;
    D = static_cast<int16_t>(s * d);
}

double dmmssToDegrees(double v)
{
    double degrees = 0.0, seconds = 0.0;
    int16_t d = 0, m = 0, wholeSeconds = 0;
    sub_Hr(v, degrees, d, m, wholeSeconds, seconds);
    return degrees;
}
