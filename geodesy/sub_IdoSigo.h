#pragma once

// Meridian arc S (metres, negative south of the equator) from the equator to latitude phi (radians, any value);
// the series is odd: S(0) = 0, S(-phi) = -S(phi).
void sub_IdoSigo(double phi, double& S);
