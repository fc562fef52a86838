#pragma once

// Degrees to radians with the stored 57.2957795130823 degrees per radian.
double sub_Deg_Rad(double degrees);
