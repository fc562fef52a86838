#include "angle_text.h"
#include "runtime_error.h"
#include "sub_Gyaku.h"
#include "sub_Kouten_2.h"
#include "sub_Kouten_4.h"
#include "sub_Str_Hms.h"

#include <gtest/gtest.h>

namespace {

TEST(sub_Gyaku, DirectionsAndDistances)
{
    struct Case {
        const char* name;
        double dX, dY, T, S;
    } const cases[] = {
        {"coincident", 0, 0, 0, 0},
        {"within the coincidence threshold", 1e-14, -5e-14, 0, 0},
        {"east", 0, 5, 90, 5},
        {"west", 0, -5, 270, 5},
        {"south", -5, 0, 180, 5},
        {"north", 5, 0, 0, 5},
        {"first quadrant", 3, 4, 53.13010235415598, 5},
        {"second quadrant", -3, 4, 126.86989764584402, 5},
        {"third quadrant", -3, -4, 233.13010235415598, 5},
        {"fourth quadrant", 3, -4, 306.86989764584402, 5},
    };
    for (const auto& c : cases) {
        double T = -1, S = -1;
        sub_Gyaku(c.dX, c.dY, T, S);
        EXPECT_NEAR(T, c.T, 1e-9) << c.name;
        EXPECT_NEAR(S, c.S, 1e-12) << c.name;
    }
}

TEST(sub_Gyaku, StoredPiLeavesNorthWestJustBelow135)
{
    double T = 0, S = 0;
    sub_Gyaku(-1, 1, T, S);
    EXPECT_DOUBLE_EQ(T, 134.9999999999998);
    EXPECT_NE(T, 135.0);
    EXPECT_EQ(sub_Str_Hms(T), " 135  0  0");
}

TEST(sub_Gyaku, OverflowingDistanceIsAnError)
{
    double T = 0, S = 0;
    EXPECT_THROW(sub_Gyaku(1e200, 1e200, T, S), RuntimeError);
}

struct Kouten2Case {
    const char* name;
    double X1, Y1, T1, X2, Y2, T2;
    bool meet;
    double X, Y;
};

TEST(sub_Kouten_2, PointAndDirectionLines)
{
    const Kouten2Case cases[] = {
        {"first along the Y axis", 10, 0, 90, 0, 5, 0, true, 10, 5},
        {"second along the Y axis", 0, 5, 0, 10, 0, 270, true, 10, 5},
        {"general", 0, 0, 45, 0, 10, 135, true, 5, 5},
        {"reversed direction is parallel", 0, 0, 45, 5, 0, 225, false, 0, 0},
        {"both along the Y axis", 0, 0, 90, 5, 5, 270, false, 0, 0},
        {"a true meeting at the origin", 5, 0, 180, 0, 5, 270, true, 0, 0},
    };
    for (const auto& c : cases) {
        double X = -1, Y = -1;
        bool meet = !c.meet;
        sub_Kouten_2(c.X1, c.Y1, c.T1, c.X2, c.Y2, c.T2, X, Y, meet);
        EXPECT_EQ(meet, c.meet) << c.name;
        EXPECT_NEAR(X, c.X, 1e-9) << c.name;
        EXPECT_NEAR(Y, c.Y, 1e-9) << c.name;
    }
}

struct Kouten4Case {
    const char* name;
    double Xa, Ya, Xb, Yb, Xc, Yc, Xd, Yd;
    bool meet;
    double X, Y;
};

TEST(sub_Kouten_4, TwoPointLines)
{
    const Kouten4Case cases[] = {
        {"crossing diagonals", 0, 0, 10, 10, 0, 10, 10, 0, true, 5, 5},
        {"both along the Y axis", 0, 0, 0, 10, 5, 0, 5, 10, false, 0, 0},
        {"equal slopes", 0, 0, 10, 10, 0, 5, 10, 15, false, 0, 0},
        {"CD along the Y axis", 0, 0, 10, 10, 4, -3, 4, 8, true, 4, 4},
        {"AB along the Y axis", 2, 0, 2, 10, 0, 0, 10, 10, true, 2, 2},
        {"a true meeting at the origin", -1, -1, 1, 1, -1, 1, 1, -1, true, 0, 0},
    };
    for (const auto& c : cases) {
        double X = -1, Y = -1;
        bool meet = !c.meet;
        sub_Kouten_4(c.Xa, c.Ya, c.Xb, c.Yb, c.Xc, c.Yc, c.Xd, c.Yd, X, Y, meet);
        EXPECT_EQ(meet, c.meet) << c.name;
        EXPECT_NEAR(X, c.X, 1e-9) << c.name;
        EXPECT_NEAR(Y, c.Y, 1e-9) << c.name;
    }
}

} // namespace
