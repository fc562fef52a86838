#include "sub_ST_Hosei.h"

#include "checked_math.h"
#include "constants.h"
#include "sub_Bessel.h"
#include "sub_Genten.h"

#include <cmath>

void sub_ST_Hosei(int16_t zone, double X1, double Y1, double X2, double Y2, double& delta12,
                  double& delta21, double& k)
{
    if (zone == 0) {
        delta12 = 0.0;
        delta21 = 0.0;
        k = 1.0;
        return;
    }
    double phi0 = 0, lambda0 = 0, m0 = 0;
    sub_Genten(zone, phi0, lambda0, m0);
    double N = 0, M = 0, R0 = 0, a = 0, e2 = 0, ep2 = 0;
    sub_Bessel(phi0, N, M, R0, a, e2, ep2);

    const double C = constants::kDegPerRad / (6 * std::pow(R0, 2) * std::pow(m0, 2));
    delta12 = checked::finite(-(X2 - X1) * C * (2 * Y1 + Y2));
    delta21 = checked::finite((X2 - X1) * C * (2 * Y2 + Y1));
    k = checked::finite(m0 * (1 + (std::pow(Y1, 2) + Y1 * Y2 + std::pow(Y2, 2)) /
                                      (6 * std::pow(R0, 2) * std::pow(m0, 2))));
}
