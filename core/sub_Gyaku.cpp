#include "sub_Gyaku.h"

#include "checked_math.h"
#include "constants.h"
#include "sub_Rad_Deg.h"

#include <cmath>

void sub_Gyaku(double dX, double dY, double& T, double& S)
{
    constexpr double eps = 1e-13;
    if (std::fabs(dX) + std::fabs(dY) < eps) {
        T = 0.0;
        S = 0.0;
        return;
    }
    S = checked::sqrt(checked::finite(dY * dY + dX * dX));
    if (dY > 0.0 && std::fabs(dX) < eps) {
        T = 90.0;
    } else if (dY < 0.0 && std::fabs(dX) < eps) {
        T = 270.0;
    } else if (std::fabs(dY) < eps && dX < 0.0) {
        T = 180.0;
    } else if (std::fabs(dY) < eps && dX > 0.0) {
        T = 0.0;
    } else {
        double t = std::atan(dY / dX);
        if (dX > 0.0 && dY < 0.0)
            t += constants::kTwoPi;
        else if (dX < 0.0)
            t += constants::kPi;
        T = sub_Rad_Deg(t);
    }
}
