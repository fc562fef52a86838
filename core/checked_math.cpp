#include "checked_math.h"

#include "runtime_error.h"

#include <cmath>

namespace checked {

double div(double a, double b)
{
    if (b == 0.0)
        throw RuntimeError(a == 0.0 || std::isnan(a) ? RuntimeError::Overflow : RuntimeError::DivisionByZero);
    return finite(a / b);
}

double sqrt(double x)
{
    if (x < 0.0)
        throw RuntimeError(RuntimeError::InvalidArgument);
    return finite(std::sqrt(x));
}

double finite(double x)
{
    if (!std::isfinite(x))
        throw RuntimeError(RuntimeError::Overflow);
    return x;
}

namespace {
template <typename Int>
Int toInt(double x, double lowest, double highest)
{
    const double r = std::nearbyint(x);
    if (!(r >= lowest && r <= highest))
        throw RuntimeError(RuntimeError::Overflow);
    return static_cast<Int>(r);
}
} // namespace

int16_t toInt16(double x) { return toInt<int16_t>(x, -32768.0, 32767.0); }
int32_t toInt32(double x) { return toInt<int32_t>(x, -2147483648.0, 2147483647.0); }

int sgn(double x) { return (x > 0.0) - (x < 0.0); }

} // namespace checked
