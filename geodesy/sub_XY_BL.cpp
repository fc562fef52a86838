#include "sub_XY_BL.h"

#include "checked_math.h"
#include "constants.h"
#include "point_scale_factor.h"
#include "sub_Bessel.h"
#include "sub_Genten.h"
#include "sub_SigoIdo.h"

#include <cmath>

using std::pow;

void sub_XY_BL(int16_t zone, double X, double Y, double& B, double& L, double& gamma, double& m)
{
    if (zone == 0) {
        B = 0.0;
        L = 0.0;
        gamma = 0.0;
        m = 1.0;
        return;
    }
    double phi0 = 0, lambda0 = 0, m0 = 0;
    sub_Genten(zone, phi0, lambda0, m0);
    double phi1 = 0;
    sub_SigoIdo(zone, X, phi1);
    double N1 = 0, M1 = 0, R1 = 0, a = 0, e2 = 0, ep2 = 0;
    sub_Bessel(phi1, N1, M1, R1, a, e2, ep2);

    const double phi = phi1 / constants::kDegPerRad;
    const double t = std::tan(phi);
    const double c = std::cos(phi);
    const double eta2 = ep2 * pow(c, 2);
    const double n = 1 / N1;
    const double y = Y / m0;

    B = checked::finite(
        phi1 +
        constants::kDegPerRad *
            (-1.0 / 2 * pow(n, 2) * t * (1 + eta2) * pow(y, 2) +
             1.0 / 24 * pow(n, 4) * t *
                 (5 + 3 * pow(t, 2) + 6 * eta2 - 6 * pow(t, 2) * eta2 - 3 * pow(eta2, 2) -
                  9 * pow(t, 2) * pow(eta2, 2)) *
                 pow(y, 4) -
             1.0 / 720 * pow(n, 6) * t *
                 (61 + 90 * pow(t, 2) + 45 * pow(t, 4) + 107 * eta2 - 162 * pow(t, 2) * eta2 -
                  45 * pow(t, 4) * eta2) *
                 pow(y, 6) +
             1.0 / 40320 * pow(n, 8) * t * (1385 + 3633 * pow(t, 2) + 4095 * pow(t, 4) + 1575 * pow(t, 6)) *
                 pow(y, 8)));
    L = checked::finite(
        lambda0 +
        constants::kDegPerRad * checked::div(1, c) *
            (n * y - 1.0 / 6 * pow(n, 3) * (1 + 2 * pow(t, 2) + eta2) * pow(y, 3) +
             1.0 / 120 * pow(n, 5) * (5 + 28 * pow(t, 2) + 24 * pow(t, 4) + 6 * eta2 + 8 * pow(t, 2) * eta2) *
                 pow(y, 5) -
             1.0 / 5040 * pow(n, 7) * (61 + 662 * pow(t, 2) + 1320 * pow(t, 4) + 720 * pow(t, 6)) * pow(y, 7)));
    gamma = checked::finite(
        -constants::kDegPerRad *
        (n * t * y - 1.0 / 3 * pow(n, 3) * t * (1 + pow(t, 2) - eta2) * pow(y, 3) +
         1.0 / 15 * pow(n, 5) * t * (1 + pow(t, 2)) * (2 + 3 * pow(t, 2)) * pow(y, 5)));
    // The scale factor is taken at the computed latitude and with Y itself.
    m = pointScaleFactor(B, Y, m0);
}
