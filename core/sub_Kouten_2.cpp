#include "sub_Kouten_2.h"

#include "checked_math.h"
#include "sub_Deg_Rad.h"

#include <cmath>

namespace {
bool alongYAxis(double T)
{
    return std::fabs(T - 90.0) < 1e-13 || std::fabs(T - 270.0) < 1e-13;
}
} // namespace

void sub_Kouten_2(double X1, double Y1, double T1, double X2, double Y2, double T2,
                  double& X, double& Y, bool& meet)
{
    const double tan1 = std::tan(sub_Deg_Rad(T1));
    const double tan2 = std::tan(sub_Deg_Rad(T2));
    X = 0.0;
    Y = 0.0;
    meet = false;
    if (alongYAxis(T1)) {
        if (alongYAxis(T2))
            return;
        X = X1;
        Y = (Y2 - tan2 * X2) + tan2 * X1;
    } else if (alongYAxis(T2)) {
        X = X2;
        Y = (Y1 - tan1 * X1) + tan1 * X2;
    } else {
        const double k = tan1 - tan2;
        if (std::fabs(k) < 1e-11)
            return;
        X = ((Y2 - tan2 * X2) - (Y1 - tan1 * X1)) / k;
        Y = (Y1 - tan1 * X1) + tan1 * X;
    }
    checked::finite(X);
    checked::finite(Y);
    meet = true;
}
