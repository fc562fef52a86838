#pragma once

// GRS80 and its radii at latitude (decimal degrees, any value; radians passed by mistake give radii near the
// equator). Out: N prime vertical and M meridian radius of curvature, R = sqrt(M·N), a (all metres), e2, ep2.
void sub_Bessel(double latitude, double& N, double& M, double& R, double& a, double& e2, double& ep2);
