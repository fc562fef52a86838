#pragma once
#include <cstdint>

// Latitude/longitude to plane coordinates. zone: 0 gives X = Y = gamma = 0, m = 1, others their sub_Genten
// origin; B, L: decimal degrees, east positive, for points a few degrees from the central meridian. Out: X north,
// Y east (m, m0 included); gamma, true north's direction angle (deg, < 0 east, -0 on the meridian); m, scale.
void sub_BL_XY(int16_t zone, double B, double L, double& X, double& Y, double& gamma, double& m);
