// Plane rectangular projection: reference points, the exact values on the central
// meridian and at the origin, and the arbitrary system.
#include "sub_BL_XY.h"
#include "sub_XY_BL.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct ReferencePoint {
    const char* name;
    int16_t zone;
    double B, L, X, Y, gamma, m;
};

constexpr ReferencePoint kReferencePoints[] = {
    {"zone 9 south-east", 9, 35, 141, -110316.7328, 106494.7533, -0.66923542, 1.00003973},
    {"zone 9 north-west", 9, 35.5, 139.5, -55420.5581, -30240.1622, 0.19356912, 0.99991127},
    {"zone 1", 1, 33.2, 130.1, 22339.4147, 55939.8977, -0.32854646, 0.99993857},
};

// Both directions; the plane coordinates are rounded to 0.1 mm, about 1e-9 degree,
// and the inverse's convergence and scale agree with the forward's to 7 decimals.
TEST(Projection, ReferencePoints)
{
    for (const auto& p : kReferencePoints) {
        double X = 0, Y = 0, gamma = 0, m = 0;
        sub_BL_XY(p.zone, p.B, p.L, X, Y, gamma, m);
        EXPECT_NEAR(X, p.X, 1e-4) << p.name;
        EXPECT_NEAR(Y, p.Y, 1e-4) << p.name;
        EXPECT_NEAR(gamma, p.gamma, 1e-8) << p.name;
        EXPECT_NEAR(m, p.m, 1e-8) << p.name;

        double B = 0, L = 0;
        sub_XY_BL(p.zone, p.X, p.Y, B, L, gamma, m);
        EXPECT_NEAR(B, p.B, 1e-9) << "inverse " << p.name;
        EXPECT_NEAR(L, p.L, 1e-9) << "inverse " << p.name;
        EXPECT_NEAR(gamma, p.gamma, 5e-8) << "inverse " << p.name;
        EXPECT_NEAR(m, p.m, 5e-8) << "inverse " << p.name;
    }
}

TEST(sub_BL_XY, OriginIsExactWithNegativeZeroConvergence)
{
    double X = 1, Y = 1, gamma = 1, m = 0;
    sub_BL_XY(9, 36, 139.0 + 50.0 / 60.0, X, Y, gamma, m);
    EXPECT_EQ(X, 0.0);
    EXPECT_EQ(Y, 0.0);
    EXPECT_EQ(gamma, 0.0);
    EXPECT_TRUE(std::signbit(gamma));
    EXPECT_EQ(m, 0.9999);
}

TEST(sub_XY_BL, CentralMeridianIsExactWithNegativeZeroConvergence)
{
    double B = 0, L = 0, gamma = 1, m = 0;
    sub_XY_BL(9, 0, 0, B, L, gamma, m);
    EXPECT_EQ(B, 36.0);
    EXPECT_EQ(L, 139.0 + 50.0 / 60.0);
    EXPECT_TRUE(std::signbit(gamma) && gamma == 0.0);
    EXPECT_EQ(m, 0.9999);

    sub_XY_BL(11, -250000, 0, B, L, gamma, m);
    EXPECT_EQ(L, 140.25);
    EXPECT_TRUE(std::signbit(gamma) && gamma == 0.0);
}

TEST(Projection, ArbitrarySystemIsNotProjected)
{
    double X = 1, Y = 1, gamma = 1, m = 0;
    sub_BL_XY(0, 35, 139, X, Y, gamma, m);
    EXPECT_EQ(X, 0.0);
    EXPECT_EQ(Y, 0.0);
    EXPECT_EQ(gamma, 0.0);
    EXPECT_EQ(m, 1.0);

    double B = 1, L = 1;
    gamma = 1;
    m = 0;
    // Not even an absurd northing reaches the footpoint iteration.
    sub_XY_BL(0, 1e13, 5000, B, L, gamma, m);
    EXPECT_EQ(B, 0.0);
    EXPECT_EQ(L, 0.0);
    EXPECT_EQ(gamma, 0.0);
    EXPECT_EQ(m, 1.0);
}

} // namespace
