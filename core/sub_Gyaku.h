#pragma once

// Plane inverse. dX, dY: coordinate differences, to-point minus from-point
// (metres; X north, Y east). Outputs: T, the direction angle in degrees clockwise
// from +X, 0 <= T < 360 (exact 0, 90, 180, 270 on the axes); S, the distance.
// Coincident points (|dX| + |dY| < 1e-13) give T = 0 and S = 0.
void sub_Gyaku(double dX, double dY, double& T, double& S);
