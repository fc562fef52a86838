#include "angle_text.h"

#include "fun_Dbl_Format.h"
#include "sub_Hms.h"
#include "sub_HmsCut.h"

#include <cstdlib>

namespace {

const char* const kDeg = "°";
const char* const kMin = "′";
const char* const kSec = "″";

struct WholeSplit {
    int16_t d, m, s;
};

WholeSplit roundedSplit(double degrees)
{
    int16_t d = 0, m = 0, dr = 0, mr = 0, sr = 0;
    double s = 0.0;
    sub_Hms(degrees, d, m, s, dr, mr, sr);
    return {dr, mr, sr};
}

struct DecimalSplit {
    int16_t d, m;
    double s;
};

DecimalSplit secondsSplit(double degrees, int16_t n)
{
    DecimalSplit split{};
    sub_HmsCut(degrees, n, split.d, split.m, split.s);
    return split;
}

std::string secondsText(double seconds, int16_t n)
{
    return fun_Dbl_Format(seconds, static_cast<int16_t>(n + 3), n);
}

} // namespace

std::string rightAligned(std::string_view text, int width)
{
    const auto w = static_cast<std::size_t>(width);
    if (text.size() >= w)
        return std::string(text.substr(0, w));
    return std::string(w - text.size(), ' ') + std::string(text);
}

std::string rightAligned(int value, int width) { return rightAligned(std::to_string(value), width); }

std::string angleTextWhole(double degrees, int degWidth)
{
    const WholeSplit a = roundedSplit(degrees);
    return rightAligned(a.d, degWidth) + kDeg + rightAligned(a.m, 2) + kMin + rightAligned(a.s, 2) + kSec;
}

std::string angleTextWholeSigned(double degrees)
{
    const WholeSplit a = roundedSplit(degrees);
    return std::string(degrees >= 0.0 ? "+ " : "- ") + rightAligned(std::abs(a.d), 2) + kDeg + rightAligned(a.m, 2)
        + kMin + rightAligned(a.s, 2) + kSec;
}

std::string angleTextPlain(double degrees)
{
    const WholeSplit a = roundedSplit(degrees);
    return std::to_string(a.d) + kDeg + std::to_string(a.m) + kMin + std::to_string(a.s) + kSec;
}

std::string angleTextSeconds(double degrees, int16_t n, int degWidth)
{
    const DecimalSplit a = secondsSplit(degrees, n);
    return rightAligned(a.d, degWidth) + kDeg + rightAligned(a.m, 2) + kMin + secondsText(a.s, n) + kSec;
}

std::string angleTextSecondsSigned(double degrees, int16_t n, char sign)
{
    const DecimalSplit a = secondsSplit(degrees, n);
    return sign + rightAligned(std::abs(a.d), 2) + kDeg + rightAligned(a.m, 2) + kMin + secondsText(a.s, n) + kSec;
}

std::string angleColumnsSeconds(double degrees, int16_t n)
{
    const DecimalSplit a = secondsSplit(degrees, n);
    return rightAligned(a.d, 4) + rightAligned(a.m, 3) + fun_Dbl_Format(a.s, static_cast<int16_t>(n + 4), n);
}

std::string angleTextDmmss(double degrees, int16_t width)
{
    const WholeSplit a = roundedSplit(degrees);
    return fun_Dbl_Format(a.d + a.m * 0.01 + a.s * 0.0001, width, 4);
}
