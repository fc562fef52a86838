#include "sub_Str_Hms.h"

#include "angle_text.h"
#include "sub_Hms.h"

#include <cstdlib>

std::string sub_Str_Hms(double x)
{
    int16_t d = 0, m = 0, dr = 0, mr = 0, sr = 0;
    double s = 0.0;
    sub_Hms(x, d, m, s, dr, mr, sr);
    std::string degrees = std::to_string(std::abs(dr));
    if (x < 0.0)
        degrees.insert(0, 1, '-');
    return rightAligned(degrees, 4) + rightAligned(mr, 3) + rightAligned(sr, 3);
}
