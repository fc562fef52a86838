#pragma once

// Intersection of line AB with line CD, each given by two points (metres).
// Outputs X, Y and meet: meet is false when the lines are parallel (equal slopes
// within 1e-14, or both along the Y axis), which return (0, 0).
void sub_Kouten_4(double Xa, double Ya, double Xb, double Yb, double Xc, double Yc, double Xd, double Yd,
                  double& X, double& Y, bool& meet);
