#pragma once
#include <cstdint>

// x rounded to n decimals, halves away from zero after a bias of 1e-11 on the
// magnitude (1.005 to 2 decimals gives 1.01; -2.5 to 0 gives -3). The result may
// be the same variable as x. A magnitude of 2^31 or more raises overflow: the
// integer part is held in 32 bits.
void sub_Marume(double x, int16_t n, double& result);
