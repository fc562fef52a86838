#include "sub_ArcSin.h"

#include "checked_math.h"
#include "sub_Rad_Deg.h"

#include <cmath>

void sub_ArcSin(double s, double& degrees, double& radians)
{
    radians = std::atan(checked::div(s, checked::sqrt(1.0 - s * s)));
    degrees = sub_Rad_Deg(radians);
}
