// Meridian arc and footpoint latitude.
#include "constants.h"
#include "sub_Genten.h"
#include "sub_IdoSigo.h"
#include "sub_SigoIdo.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

double arc(double degrees)
{
    double S = 0;
    sub_IdoSigo(degrees / constants::kDegPerRad, S);
    return S;
}

TEST(sub_IdoSigo, ArcLengths)
{
    struct Case {
        double latitude, S;
    } const cases[] = {
        {0, 0},
        {10, 1105854.8332},
        {33, 3652748.0431},
        {36, 3985542.6703},
        {44, 4873822.3696},
        {89, 9890271.8643},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(arc(c.latitude), c.S, 1e-4) << c.latitude;
        EXPECT_EQ(arc(-c.latitude), -arc(c.latitude)) << c.latitude;
    }
}

TEST(sub_SigoIdo, FootpointLatitudes)
{
    struct Case {
        int16_t zone;
        double X, phi1;
    } const cases[] = {
        {9, -12345.678, 35.8887244177},
        {1, 250000, 35.2540058294},
        {9, 1000000, 45.0062835498},
    };
    for (const auto& c : cases) {
        double phi1 = 0;
        sub_SigoIdo(c.zone, c.X, phi1);
        EXPECT_NEAR(phi1, c.phi1, 1e-10) << c.zone << " " << c.X;
    }
}

TEST(sub_SigoIdo, ZeroNorthingGivesTheOriginLatitudeExactly)
{
    for (int16_t zone : {int16_t{1}, int16_t{9}, int16_t{11}, int16_t{14}, int16_t{18}, int16_t{53}}) {
        double phi0 = 0, lambda0 = 0, m0 = 0, phi1 = -1;
        sub_Genten(zone, phi0, lambda0, m0);
        sub_SigoIdo(zone, 0, phi1);
        EXPECT_EQ(phi1, phi0) << zone;
    }
}

// The footpoint is where the arc from the origin equals X/m0, also for northings far
// beyond any zone, where the latitude passes the pole and is not folded back.
TEST(sub_SigoIdo, ArcToTheFootpointMatchesTheNorthing)
{
    struct Case {
        int16_t zone;
        double X;
    } const cases[] = {
        {9, -12345.678}, {9, 300000}, {1, -400000}, {14, 1000000}, {53, 4000000},
        {9, 20000000},   {9, -1e8},   {11, 3e8},
    };
    for (const auto& c : cases) {
        double phi0 = 0, lambda0 = 0, m0 = 0, phi1 = 0;
        sub_Genten(c.zone, phi0, lambda0, m0);
        sub_SigoIdo(c.zone, c.X, phi1);
        EXPECT_NEAR(arc(phi1) - arc(phi0), c.X / m0, 1e-6 * std::max(1.0, std::fabs(c.X) / 1e7))
            << c.zone << " " << c.X;
    }
    double phi1 = 0;
    sub_SigoIdo(9, 20000000, phi1);
    EXPECT_GT(phi1, 180);
}

} // namespace
