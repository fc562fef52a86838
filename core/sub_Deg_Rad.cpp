#include "sub_Deg_Rad.h"

#include "constants.h"

double sub_Deg_Rad(double degrees) { return degrees / constants::kDegPerRad; }
