#pragma once

// Arc sine of s as degrees and radians, -90° to 90°, for |s| < 1. |s| = 1 raises
// division by zero and |s| > 1 invalid argument (the square root of a negative).
void sub_ArcSin(double s, double& degrees, double& radians);
