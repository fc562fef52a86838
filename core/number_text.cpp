#include "number_text.h"

#include "checked_math.h"
#include "fun_Str_Format.h"
#include "runtime_error.h"
#include "sub_Marume.h"

#include <cmath>
#include <cstdio>

namespace number_text {
namespace {

std::string integerText(int32_t k, Grouping grouping)
{
    if (grouping == Grouping::Plain || k <= 999)
        return std::to_string(k);
    char r[4];
    std::snprintf(r, sizeof r, "%03d", k % 1000);
    const int32_t left = k / 1000;
    if (left <= 999)
        return std::to_string(left) + ' ' + r;
    char r2[4];
    std::snprintf(r2, sizeof r2, "%03d", left % 1000);
    return std::to_string(left / 1000) + ' ' + r2 + ' ' + r;
}

// The d digits after the point of c, a fraction in [0, 1] already rounded to d
// decimals; a fraction that rounded up to 1 gives d zeros (the integer part has
// carried already).
std::string fractionDigits(double c, int16_t d)
{
    const double scale = std::pow(10.0, d);
    const long long digits = std::llround(c * scale);
    if (digits >= static_cast<long long>(scale))
        return std::string(static_cast<std::size_t>(d), '0');
    std::string text = std::to_string(digits);
    return std::string(static_cast<std::size_t>(d) - text.size(), '0') + text;
}

} // namespace

std::string format(double x, int16_t w, int16_t d, Grouping grouping)
{
    std::string text;
    try {
        double v = 0.0; // its sign is the text's; it overflows beyond 32 bits
        sub_Marume(x, d, v);
        double c = 0.0;
        sub_Marume(std::fabs(x - std::trunc(x)), d, c);
        // The integer part carries exactly when the fraction rounded up to 1; that
        // of v may not agree (131072.995 to 2 decimals), as sub_Marume's bias of
        // 1e-11 on |x| is lost or grown to an ulp once |x| is large.
        const int32_t k = checked::toInt32(std::trunc(std::fabs(x)) + (c >= 1.0 ? 1.0 : 0.0));
        text = integerText(k, grouping) + '.' + fractionDigits(c, d);
        if (v < 0.0)
            text.insert(0, 1, '-');
    } catch (const RuntimeError&) {
        text = "*." + std::string(static_cast<std::size_t>(d), '*');
    }
    return fun_Str_Format(text, w, 1);
}

} // namespace number_text
