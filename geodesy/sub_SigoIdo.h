#pragma once
#include <cstdint>

// Footpoint latitude phi1 (decimal degrees, not clamped: far northings pass ±90°) of northing X (metres from the
// origin of zone, m0 not removed; only the origin and m0 of any zone number are used). X = 0 gives the origin
// latitude exactly; an iteration that does not settle (|X| beyond some 6e8 m) raises overflow (6).
void sub_SigoIdo(int16_t zone, double X, double& phi1);
