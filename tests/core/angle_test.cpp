#include "runtime_error.h"
#include "sub_ArcCos.h"
#include "sub_ArcSin.h"
#include "sub_Deg_Rad.h"
#include "sub_Hms.h"
#include "sub_HmsCut.h"
#include "sub_Hr.h"
#include "sub_Rad_Deg.h"
#include "sub_Str_Hms.h"

#include <gtest/gtest.h>

namespace {

struct HrCase {
    const char* name;
    double v;
    double deg;
    int D, M, Sr;
};

TEST(sub_Hr, SplitsTheDmmssNotation)
{
    const HrCase cases[] = {
        {"plain", 45.3015, 45.50416666666667, 45, 30, 15},
        {"value stored just below its decimal", 2.3, 2.5, 2, 30, 0},
        {"negative", -12.003, -12.00833333333333, -12, 0, 30},
        {"seventy minutes accepted", 10.7, 11.16666666666667, 10, 70, 0},
        {"fractions of a second", 35.04231846, 35.07310683333333, 35, 4, 23},
        {"zero", 0.0, 0.0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        double deg = 0, S = 0;
        int16_t D = 0, M = 0, Sr = 0;
        sub_Hr(c.v, deg, D, M, Sr, S);
        EXPECT_NEAR(deg, c.deg, 1e-12) << c.name;
        EXPECT_EQ(D, c.D) << c.name;
        EXPECT_EQ(M, c.M) << c.name;
        EXPECT_EQ(Sr, c.Sr) << c.name;
    }
}

TEST(sub_Hr, ConvertsInPlace)
{
    double v = 45.3015, S = 0;
    int16_t D = 0, M = 0, Sr = 0;
    sub_Hr(v, v, D, M, Sr, S);
    EXPECT_NEAR(v, 45.50416666666667, 1e-12);
}

TEST(sub_Hr, WholeDegreesBeyond16BitsOverflow)
{
    double deg = 0, S = 0;
    int16_t D = 0, M = 0, Sr = 0;
    EXPECT_NO_THROW(sub_Hr(32767.5959, deg, D, M, Sr, S));
    for (double v : {32768.0, -32768.5, 1e300}) {
        try {
            sub_Hr(v, deg, D, M, Sr, S);
            ADD_FAILURE() << v;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), RuntimeError::Overflow) << v;
        }
    }
}

struct HmsCase {
    const char* name;
    double x;
    int D, M;
    double S;
    int Dr, Mr, Sr;
};

TEST(sub_Hms, TruncatedAndRoundedSplits)
{
    const HmsCase cases[] = {
        {"rounded split carries to 0°", 359.9999999, 359, 59, 59.99964, 0, 0, 0},
        {"sign lost below one degree", -0.5, 0, 30, 0.0, 0, 30, 0},
        {"negative", -12.5, -12, 30, 0.0, -12, 30, 0},
        {"reduced by 360 once only", 720.5, 360, 30, 0.0, 0, 30, 0},
        {"seconds carry into minutes", 10.99999, 10, 59, 59.964, 11, 0, 0},
    };
    for (const auto& c : cases) {
        int16_t D = 0, M = 0, Dr = 0, Mr = 0, Sr = 0;
        double S = 0;
        sub_Hms(c.x, D, M, S, Dr, Mr, Sr);
        EXPECT_EQ(D, c.D) << c.name;
        EXPECT_EQ(M, c.M) << c.name;
        EXPECT_NEAR(S, c.S, 1e-6) << c.name;
        EXPECT_EQ(Dr, c.Dr) << c.name;
        EXPECT_EQ(Mr, c.Mr) << c.name;
        EXPECT_EQ(Sr, c.Sr) << c.name;
    }
}

struct HmsCutCase {
    const char* name;
    double x;
    int n;
    int D, M;
    double S;
};

TEST(sub_HmsCut, RoundsSecondsAndCarries)
{
    const HmsCutCase cases[] = {
        {"half up", 45 + 30 / 60.0 + 14.9995 / 3600, 3, 45, 30, 15.0},
        {"60 seconds carried", 45 + 30 / 60.0 + 59.9995 / 3600, 3, 45, 31, 0.0},
        {"carry wraps 360", 359 + 59 / 60.0 + 59.9996 / 3600, 3, 0, 0, 0.0},
        {"carry into degrees", 123 + 59 / 60.0 + 59.9999999 / 3600, 3, 124, 0, 0.0},
        {"negative keeps sign in degrees", -(12 + 30 / 60.0 + 15.25 / 3600), 2, -12, 30, 15.25},
    };
    for (const auto& c : cases) {
        int16_t D = 0, M = 0;
        double S = 0;
        sub_HmsCut(c.x, static_cast<int16_t>(c.n), D, M, S);
        EXPECT_EQ(D, c.D) << c.name;
        EXPECT_EQ(M, c.M) << c.name;
        EXPECT_NEAR(S, c.S, 1e-9) << c.name;
    }
}

TEST(sub_Str_Hms, FixedColumns)
{
    EXPECT_EQ(sub_Str_Hms(123 + 4 / 60.0 + 5 / 3600.0), " 123  4  5");
    EXPECT_EQ(sub_Str_Hms(-0.5), "  -0 30  0");
    EXPECT_EQ(sub_Str_Hms(45.0), "  45  0  0");
    EXPECT_EQ(sub_Str_Hms(359.9999999), "   0  0  0");
}

TEST(DegreeRadian, UseTheStoredConstant)
{
    EXPECT_EQ(sub_Rad_Deg(1.0), 57.2957795130823);
    EXPECT_EQ(sub_Deg_Rad(57.2957795130823), 1.0);
    for (double d : {0.0, 1.0, 35.123456789, -271.5, 359.99999})
        EXPECT_NEAR(sub_Rad_Deg(sub_Deg_Rad(d)), d, 1e-12) << d;
}

TEST(sub_ArcCos, RangeEnds)
{
    struct Case {
        double c, deg;
    } const cases[] = {{1.0, 0.0}, {1.2, 0.0}, {-1.0, 180.0}, {-3.0, 180.0}, {0.5, 60.0}, {-0.5, 120.0}};
    for (const auto& c : cases) {
        double deg = -1, rad = -1;
        sub_ArcCos(c.c, deg, rad);
        EXPECT_NEAR(deg, c.deg, 1e-12) << c.c;
        EXPECT_NEAR(rad, c.deg / 57.2957795130823, 1e-12) << c.c;
    }
    double deg = 0, rad = 0;
    sub_ArcCos(0.0, deg, rad);
    EXPECT_DOUBLE_EQ(deg, 89.99999999999997);
}

// A flat triangle (cosine -1) must keep its straight angle instead of 0.
TEST(sub_ArcCos, MinusOneIsAStraightAngle)
{
    double deg = 0, rad = 0;
    sub_ArcCos(-1.0, deg, rad);
    EXPECT_EQ(deg, 180.0);
    EXPECT_EQ(rad, 3.14159265358979);
}

TEST(sub_ArcSin, ValuesAndFaults)
{
    double deg = 0, rad = 0;
    sub_ArcSin(0.5, deg, rad);
    EXPECT_NEAR(deg, 30.0, 1e-12);
    sub_ArcSin(-0.5, deg, rad);
    EXPECT_NEAR(deg, -30.0, 1e-12);
    struct Case {
        double s;
        int number;
    } const faults[] = {{1.0, 11}, {-1.0, 11}, {1.5, 5}, {-2.0, 5}};
    for (const auto& f : faults) {
        try {
            sub_ArcSin(f.s, deg, rad);
            ADD_FAILURE() << f.s;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), f.number) << f.s;
        }
    }
}

} // namespace
