#pragma once

// Intersection of the line through (X1, Y1) with direction angle T1 and the line
// through (X2, Y2) with direction angle T2 (degrees clockwise from +X; metres).
// Outputs X, Y and meet: meet is false for parallel lines (equal tangents, both
// along the Y axis), which return (0, 0). Only 90 and 270 themselves are taken
// as directions along the Y axis; -90 or 450 go through the tangent.
void sub_Kouten_2(double X1, double Y1, double T1, double X2, double Y2, double T2,
                  double& X, double& Y, bool& meet);
