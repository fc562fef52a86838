// Each error number is raised where the arithmetic faults, also in the
// optimised build (IEEE arithmetic itself would carry on with inf or NaN).
#include "checked_math.h"
#include "field_number.h"
#include "runtime_error.h"
#include "sub_ArcSin.h"
#include "sub_Hr.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Values the optimiser cannot fold into constants.
volatile double zero = 0.0;
volatile double one = 1.0;

int errorNumberOf(const std::function<void()>& computation)
{
    try {
        computation();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

TEST(RuntimeError, EveryNumberIsDetected)
{
    double deg = 0, rad = 0, S = 0;
    int16_t D = 0, M = 0, Sr = 0;
    struct Case {
        const char* name;
        std::function<void()> computation;
        int number;
    } const cases[] = {
        {"square root of a negative", [&] { sub_ArcSin(one * 2, deg, rad); }, 5},
        {"16-bit degrees", [&] { sub_Hr(one * 40000, deg, D, M, Sr, S); }, 6},
        {"0/0", [] { checked::div(zero, zero); }, 6},
        {"overflowing quotient", [] { checked::div(1e300, one * 1e-300); }, 6},
        {"32-bit integer", [] { checked::toInt32(one * 2147483648.0); }, 6},
        {"division by zero", [&] { sub_ArcSin(one, deg, rad); }, 11},
        {"text that is not a number", [] { readStrictNumber("abc"); }, 13},
        {"no error", [] { checked::div(one, one); }, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(errorNumberOf(c.computation), c.number) << c.name;
}

TEST(RuntimeError, DescriptionsAreJapanese)
{
    EXPECT_EQ(RuntimeError(RuntimeError::DivisionByZero).description(), "0 で除算しました。");
    EXPECT_EQ(RuntimeError(RuntimeError::Overflow).description(), "オーバーフローしました。");
    EXPECT_EQ(RuntimeError(RuntimeError::TypeMismatch).description(), "型が一致しません。");
    EXPECT_EQ(RuntimeError(RuntimeError::InvalidArgument).description(),
              "プロシージャの呼び出し、または引数が不正です。");
}

} // namespace
