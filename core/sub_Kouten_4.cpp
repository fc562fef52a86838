#include "sub_Kouten_4.h"

#include "checked_math.h"

#include <cmath>

void sub_Kouten_4(double Xa, double Ya, double Xb, double Yb, double Xc, double Yc, double Xd, double Yd,
                  double& X, double& Y, bool& meet)
{
    constexpr double eps = 1e-14;
    const double p = Xb - Xa;
    const double q = Xd - Xc;
    const bool abAlongY = std::fabs(p) < eps;
    const bool cdAlongY = std::fabs(q) < eps;
    X = 0.0;
    Y = 0.0;
    meet = false;
    if (abAlongY && cdAlongY)
        return;
    if (!abAlongY && !cdAlongY) {
        const double d = (Yb - Ya) / p;
        const double e = (Yd - Yc) / q;
        if (std::fabs(d - e) < eps)
            return;
        X = ((Yc - e * Xc) - (Ya - d * Xa)) / (d - e);
        Y = (Ya - d * Xa) + d * X;
    } else if (cdAlongY) {
        const double d = (Yb - Ya) / p;
        X = Xc;
        Y = (Ya - d * Xa) + d * Xc;
    } else {
        const double e = (Yd - Yc) / q;
        X = Xa;
        Y = (Yc - e * Xc) + e * Xa;
    }
    checked::finite(X);
    checked::finite(Y);
    meet = true;
}
