#pragma once
#include <cstdint>

// Zone origin phi0, lambda0 (decimal degrees) and central scale m0. zone: 0 arbitrary system (0, 0, 1); 1-19
// plane rectangular zones (m0 0.9999); 20 and above six-degree zones (0, (zone - 30)·6 - 3, 0.9996); negative
// numbers (33, 0, 0.9999).
void sub_Genten(int16_t zone, double& phi0, double& lambda0, double& m0);
