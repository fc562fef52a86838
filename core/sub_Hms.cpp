#include "sub_Hms.h"

#include "checked_math.h"

#include <cmath>

void sub_Hms(double x, int16_t& D, int16_t& M, double& S, int16_t& Dr, int16_t& Mr, int16_t& Sr)
{
    const int s = checked::sgn(x);
    double c = std::fabs(x) + 1e-13;
    if (c >= 360.0)
        c -= 360.0;
    const int16_t d = checked::toInt16(std::floor(c));
    const double f = (c - d) * 60.0;
    M = checked::toInt16(std::floor(f));
    S = (f - M) * 60.0;

    int16_t dr = d;
    Mr = M;
    Sr = checked::toInt16(std::floor(S + 0.5));
    // The carries run in this order, so 359°59'59.6" becomes 0°00'00".
    if (Sr == 60)
        ++Mr;
    if (Mr == 60)
        ++dr;
    if (dr == 360)
        dr = 0;
    if (Mr == 60)
        Mr = 0;
    if (Sr == 60)
        Sr = 0;

    D = static_cast<int16_t>(s * d);
    Dr = static_cast<int16_t>(s * dr);
}
