#include "sub_BL_XY.h"

#include "checked_math.h"
#include "constants.h"
#include "point_scale_factor.h"
#include "sub_Bessel.h"
#include "sub_Genten.h"
#include "sub_IdoSigo.h"

#include <cmath>

using std::pow;

void sub_BL_XY(int16_t zone, double B, double L, double& X, double& Y, double& gamma, double& m)
{
    if (zone == 0) {
        X = 0.0;
        Y = 0.0;
        gamma = 0.0;
        m = 1.0;
        return;
    }
    double phi0 = 0, lambda0 = 0, m0 = 0;
    sub_Genten(zone, phi0, lambda0, m0);
    double N = 0, M = 0, R = 0, a = 0, e2 = 0, ep2 = 0;
    sub_Bessel(B, N, M, R, a, e2, ep2);

    const double phi = B / constants::kDegPerRad;
    double S0 = 0, S = 0;
    sub_IdoSigo(phi0 / constants::kDegPerRad, S0);
    sub_IdoSigo(phi, S);

    const double t = std::tan(phi);
    const double c = std::cos(phi);
    const double eta2 = ep2 * pow(c, 2);
    const double dl = (L - lambda0) / constants::kDegPerRad;

    X = checked::finite(
        m0 * ((S - S0) + N / 2 * pow(c, 2) * t * pow(dl, 2) +
              N / 24 * pow(c, 4) * t * (5 - pow(t, 2) + 9 * eta2 + 4 * pow(eta2, 2)) * pow(dl, 4) -
              N / 720 * pow(c, 6) * t *
                  (-61 + 58 * pow(t, 2) - pow(t, 4) - 270 * eta2 + 330 * pow(t, 2) * eta2) * pow(dl, 6) -
              N / 40320 * pow(c, 8) * t * (-1385 + 3111 * pow(t, 2) - 543 * pow(t, 4) + pow(t, 6)) *
                  pow(dl, 8)));
    Y = checked::finite(
        m0 * (N * c * dl - N / 6 * pow(c, 3) * (-1 + pow(t, 2) - eta2) * pow(dl, 3) -
              N / 120 * pow(c, 5) * (-5 + 18 * pow(t, 2) - pow(t, 4) - 14 * eta2 + 58 * pow(t, 2) * eta2) *
                  pow(dl, 5) -
              N / 5040 * pow(c, 7) * (-61 + 479 * pow(t, 2) - 179 * pow(t, 4) + pow(t, 6)) * pow(dl, 7)));
    gamma = checked::finite(
        -constants::kDegPerRad *
        (c * t * dl + 1.0 / 3 * pow(c, 3) * t * (1 + 3 * eta2 + 2 * pow(eta2, 2)) * pow(dl, 3) +
         1.0 / 15 * pow(c, 5) * t * (2 - pow(t, 2)) * pow(dl, 5)));
    m = pointScaleFactor(B, Y, m0);
}
