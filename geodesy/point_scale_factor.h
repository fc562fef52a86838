#pragma once

// Point scale factor m0·[1 + Y²/(2·M·N·m0²) + Y⁴/(24·M²·N²·m0⁴)] at latitude B (decimal degrees, M and N
// taken there) and easting Y (metres, m0 included); Y = 0 gives m0.
double pointScaleFactor(double B, double Y, double m0);
