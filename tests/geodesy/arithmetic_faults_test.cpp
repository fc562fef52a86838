// Values beyond the double range stop with overflow (6) instead of carrying an
// infinity or a NaN into the results, also in the optimised build.
#include "runtime_error.h"
#include "sub_BL_XY.h"
#include "sub_Bessel.h"
#include "sub_IdoSigo.h"
#include "sub_ST_Hosei.h"
#include "sub_SigoIdo.h"
#include "sub_XY_BL.h"

#include <chrono>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits>

namespace {

using testing::Property;
using testing::Throws;

// Values the optimiser cannot fold into constants.
volatile double huge = 1e200;
volatile double nan = std::numeric_limits<double>::quiet_NaN();

const auto isOverflow = Throws<RuntimeError>(Property(&RuntimeError::number, RuntimeError::Overflow));

TEST(GeodesyFaults, OverflowIsAnError)
{
    double a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;
    struct Case {
        const char* name;
        std::function<void()> computation;
    } const cases[] = {
        {"radii at a NaN latitude", [&] { sub_Bessel(nan, a, b, c, d, e, f); }},
        {"arc to an infinite latitude", [&] { sub_IdoSigo(huge * huge, a); }},
        {"footpoint of a NaN northing", [&] { sub_SigoIdo(9, nan, a); }},
        {"longitude far off the meridian", [&] { sub_BL_XY(9, 35, huge, a, b, c, d); }},
        {"easting far off the meridian", [&] { sub_XY_BL(9, 0, huge, a, b, c, d); }},
        {"inverse of an unreachable northing", [&] { sub_XY_BL(9, 1e13, 0, a, b, c, d); }},
        {"corrections of far points", [&] { sub_ST_Hosei(9, -huge, huge, huge, huge, a, b, c); }},
    };
    for (const auto& fault : cases)
        EXPECT_THAT(fault.computation, isOverflow) << fault.name;
}

// Absurd northings once made the footpoint loop run for ever: past some 6e8 m its
// iterates stop settling, and from about 1e12 m they cannot settle in doubles.
TEST(GeodesyFaults, UnsettledFootpointIsAnOverflowWithoutHanging)
{
    const auto start = std::chrono::steady_clock::now();
    for (double X : {1e13, -1e13, 1e11}) {
        double phi1 = 0;
        EXPECT_THAT([&] { sub_SigoIdo(9, X, phi1); }, isOverflow) << X;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

} // namespace
