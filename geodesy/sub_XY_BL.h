#pragma once
#include <cstdint>

// Plane coordinates to latitude/longitude. zone: 0 gives B = L = gamma = 0, m = 1, others their sub_Genten
// origin; X north, Y east: metres from the origin, m0 included. Out: B, L (decimal degrees); gamma as in sub_BL_XY
// (-0 for Y = 0); m, point scale. A northing too far out for the footpoint latitude raises overflow (6).
void sub_XY_BL(int16_t zone, double X, double Y, double& B, double& L, double& gamma, double& m);
