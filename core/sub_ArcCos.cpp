#include "sub_ArcCos.h"

#include "constants.h"
#include "sub_Rad_Deg.h"

#include <cmath>

void sub_ArcCos(double c, double& degrees, double& radians)
{
    if (c >= 1.0) {
        degrees = 0.0;
        radians = 0.0;
    } else if (c <= -1.0) {
        degrees = 180.0;
        radians = constants::kPi;
    } else {
        radians = std::atan(-c / std::sqrt(1.0 - c * c)) + 2.0 * std::atan(1.0);
        degrees = sub_Rad_Deg(radians);
    }
}
