#include "sub_Marume.h"

#include "checked_math.h"

#include <cmath>

void sub_Marume(double x, int16_t n, double& result)
{
    const int s = checked::sgn(x);
    const double a = std::fabs(x) + 1e-11;
    const int32_t i = checked::toInt32(std::floor(a));
    const double f = a - i;
    const double p = std::pow(10.0, n);
    const int32_t r = checked::toInt32(std::floor(p * f + 0.5));
    result = s * (i + r / p);
}
