#include "point_scale_factor.h"

#include "checked_math.h"
#include "sub_Bessel.h"

#include <cmath>

double pointScaleFactor(double B, double Y, double m0)
{
    double N = 0, M = 0, R = 0, a = 0, e2 = 0, ep2 = 0;
    sub_Bessel(B, N, M, R, a, e2, ep2);
    return checked::finite(m0 * (1.0 + std::pow(Y, 2) / (2.0 * M * N * std::pow(m0, 2)) +
                                 std::pow(Y, 4) / (24.0 * std::pow(M, 2) * std::pow(N, 2) * std::pow(m0, 4))));
}
