#include "sub_Rad_Deg.h"

#include "constants.h"

double sub_Rad_Deg(double radians) { return radians * constants::kDegPerRad; }
