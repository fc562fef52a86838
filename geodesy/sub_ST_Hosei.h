#pragma once
#include <cstdint>

// Arc-to-chord corrections delta12, delta21 (degrees, subtracted from the grid directions at points 1 and 2) and
// line scale k (plane / ellipsoid distance) of the line (X1, Y1)-(X2, Y2), plane coordinates in metres of zone;
// zone 0 gives 0, 0 and k = 1.
void sub_ST_Hosei(int16_t zone, double X1, double Y1, double X2, double Y2, double& delta12,
                  double& delta21, double& k);
