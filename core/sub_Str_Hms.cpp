#include "sub_Str_Hms.h"

#include "angle_text.h"
#include "sub_Hms.h"

#include <cstdlib>

std::string sub_Str_Hms(double x)
{
    int16_t d = 0, m = 0, dr = 0, mr = 0, sr = 0;
    double s = 0.0;
    sub_Hms(x, d, m, s, dr, mr, sr);
    const std::string degrees = (x >= 0.0 ? "" : "-") + std::to_string(std::abs(dr));
    return rightAligned(degrees, 4) + rightAligned(mr, 3) + rightAligned(sr, 3);
}
