#include "sub_HmsCut.h"

#include "checked_math.h"
#include "sub_Hms.h"
#include "sub_Marume.h"

#include <cmath>

void sub_HmsCut(double x, int16_t n, int16_t& D, int16_t& M, double& S)
{
    const int s = checked::sgn(x);
    int16_t d = 0, dr = 0, mr = 0, sr = 0;
    sub_Hms(std::fabs(x), d, M, S, dr, mr, sr);
    sub_Marume(S, n, S);
    if (std::floor(S + 1e-10) == 60.0) {
        S = 0.0;
        ++M;
        if (M == 60)
            ++d;
        if (d == 360)
            d = 0;
        if (M == 60)
            M = 0;
    }
    D = static_cast<int16_t>(s * d);
}
