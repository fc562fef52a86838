#pragma once

// Radians to degrees with the stored 57.2957795130823 degrees per radian.
double sub_Rad_Deg(double radians);
