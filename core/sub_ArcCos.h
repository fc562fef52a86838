#pragma once

// Arc cosine of c as degrees and radians, 0 to 180°. Arguments of 1 or more give
// 0; arguments of -1 or less give 180° (pi), so a flat triangle keeps its
// straight angle.
void sub_ArcCos(double c, double& degrees, double& radians);
