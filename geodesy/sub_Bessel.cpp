#include "sub_Bessel.h"

#include "checked_math.h"
#include "constants.h"

#include <cmath>

void sub_Bessel(double latitude, double& N, double& M, double& R, double& a, double& e2, double& ep2)
{
    constexpr double semiMajor = 6378137.0;
    constexpr double inverseFlattening = 298.257222101;

    // b, e2 and ep2 are derived afresh on every call so that they carry exactly
    // the rounding of this sequence of operations.
    const double b = (1.0 - 1.0 / inverseFlattening) * semiMajor;
    a = semiMajor;
    e2 = (a * a - b * b) / (a * a);
    ep2 = (a * a - b * b) / (b * b);

    const double phi = latitude / constants::kDegPerRad;
    const double W = std::sqrt(1.0 - e2 * std::pow(std::sin(phi), 2));
    M = checked::finite((1.0 - e2) * a / std::pow(W, 3));
    N = checked::finite(a / W);
    R = checked::finite(std::sqrt(N * M));
}
