#include "sub_SigoIdo.h"

#include "checked_math.h"
#include "constants.h"
#include "runtime_error.h"
#include "sub_Bessel.h"
#include "sub_Genten.h"
#include "sub_IdoSigo.h"

#include <cmath>

namespace {

// Halley steps on S(phi) = target. Within a zone the latitude settles after one to
// three steps, and for any northing up to some 600 000 km after at most seven. Beyond
// that the curvature term of the step's denominator dominates and the iterates jump
// about, and from about 1e12 m the spacing of doubles near the latitude (in radians)
// exceeds the tolerance, so the loop could never end; the bound stops both.
constexpr int kMaxSteps = 100;
constexpr double kToleranceSeconds = 0.000002;

} // namespace

void sub_SigoIdo(int16_t zone, double X, double& phi1)
{
    double phi0 = 0, lambda0 = 0, m0 = 0;
    sub_Genten(zone, phi0, lambda0, m0);
    double N = 0, M = 0, R = 0, a = 0, e2 = 0, ep2 = 0;
    sub_Bessel(0.0, N, M, R, a, e2, ep2);

    double S0 = 0;
    sub_IdoSigo(phi0 / constants::kDegPerRad, S0);
    const double target = X / m0 + S0;

    double phi = phi0 / constants::kDegPerRad;
    for (int step = 0; step < kMaxSteps; ++step) {
        double S = 0;
        sub_IdoSigo(phi, S);
        const double s = std::sin(phi);
        const double c = std::cos(phi);
        const double w2 = 1.0 - e2 * std::pow(s, 2);
        const double next =
            phi + checked::div(2.0 * (S - target) * std::pow(w2, 1.5),
                               3.0 * e2 * (S - target) * s * c * std::sqrt(w2) - 2.0 * a * (1.0 - e2));
        if (std::fabs(next - phi) * constants::kDegPerRad * 3600.0 < kToleranceSeconds) {
            phi1 = checked::finite(next * constants::kDegPerRad);
            return;
        }
        phi = next;
    }
    // Reported as overflow: the northing is beyond the range in which this
    // calculation can produce a latitude in double precision.
    throw RuntimeError(RuntimeError::Overflow);
}
