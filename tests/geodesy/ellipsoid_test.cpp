// The GRS80 constants and radii, and the zone origins of the special zone numbers.
// The origins of zones 1 to 19 are checked against the published list in
// projection_oracle_test.cpp.
#include "sub_Bessel.h"
#include "sub_Genten.h"

#include <gtest/gtest.h>

namespace {

TEST(sub_Bessel, RadiiOfCurvature)
{
    struct Case {
        double latitude, N, M, R;
    } const cases[] = {
        {0, 6378137.0, 6335439.3271, 6356752.3141},
        {35, 6385172.1749, 6356426.6958, 6370783.2227},
        {90, 6399593.6259, 6399593.6259, 6399593.6259},
        {-35, 6385172.1749, 6356426.6958, 6370783.2227},
    };
    for (const auto& c : cases) {
        double N = 0, M = 0, R = 0, a = 0, e2 = 0, ep2 = 0;
        sub_Bessel(c.latitude, N, M, R, a, e2, ep2);
        EXPECT_NEAR(N, c.N, 1e-4) << c.latitude;
        EXPECT_NEAR(M, c.M, 1e-4) << c.latitude;
        EXPECT_NEAR(R, c.R, 1e-4) << c.latitude;
        EXPECT_EQ(a, 6378137.0);
        EXPECT_NEAR(e2, 0.006694380022900686, 1e-17);
        EXPECT_NEAR(ep2, 0.006739496775478856, 1e-17);
    }
}

TEST(sub_Bessel, EquatorGivesTheSemiMajorAxisExactly)
{
    double N = 0, M = 0, R = 0, a = 0, e2 = 0, ep2 = 0;
    sub_Bessel(0, N, M, R, a, e2, ep2);
    EXPECT_EQ(N, 6378137.0);
}

TEST(sub_Genten, ZonesOutsideThePlaneSystem)
{
    struct Case {
        const char* name;
        int16_t zone;
        double phi0, lambda0, m0;
    } const cases[] = {
        {"arbitrary system", 0, 0, 0, 1},
        {"six-degree zone 53", 53, 0, 135, 0.9996},
        {"six-degree zone 20", 20, 0, -63, 0.9996},
        {"six-degree zone 30", 30, 0, -3, 0.9996},
        {"largest zone", 32767, 0, 196419, 0.9996},
        {"negative zone", -1, 33, 0, 0.9999},
        {"most negative zone", -32768, 33, 0, 0.9999},
    };
    for (const auto& c : cases) {
        double phi0 = -1, lambda0 = -1, m0 = -1;
        sub_Genten(c.zone, phi0, lambda0, m0);
        EXPECT_EQ(phi0, c.phi0) << c.name;
        EXPECT_EQ(lambda0, c.lambda0) << c.name;
        EXPECT_EQ(m0, c.m0) << c.name;
    }
}

} // namespace
