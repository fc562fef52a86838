// The projection against GeographicLib's exact transverse Mercator (Lee's elliptic
// function method, accurate to nanometres) on a grid in every zone of the plane
// rectangular coordinate system, within 2° of its origin and central meridian.
#include "sub_BL_XY.h"
#include "sub_Genten.h"
#include "sub_XY_BL.h"

#include <GeographicLib/TransverseMercatorExact.hpp>
#include <gtest/gtest.h>

namespace {

// The origins of zones 1 to 19 as published (degrees and minutes), written down
// independently of sub_Genten so that the grid also checks its table.
struct PublishedOrigin {
    int16_t zone;
    int latitude, meridianDegrees, meridianMinutes;
};

constexpr PublishedOrigin kPublished[] = {
    {1, 33, 129, 30},  {2, 33, 131, 0},   {3, 36, 132, 10},  {4, 33, 133, 30},  {5, 36, 134, 20},
    {6, 36, 136, 0},   {7, 36, 137, 10},  {8, 36, 138, 30},  {9, 36, 139, 50},  {10, 40, 140, 50},
    {11, 44, 140, 15}, {12, 44, 142, 15}, {13, 44, 144, 15}, {14, 26, 142, 0},  {15, 26, 127, 30},
    {16, 26, 124, 0},  {17, 26, 131, 0},  {18, 20, 136, 0},  {19, 26, 154, 0},
};

double meridianOf(const PublishedOrigin& origin)
{
    return origin.meridianDegrees + origin.meridianMinutes / 60.0;
}

TEST(sub_Genten, PlaneZonesHaveThePublishedOrigins)
{
    for (const auto& origin : kPublished) {
        double phi0 = 0, lambda0 = 0, m0 = 0;
        sub_Genten(origin.zone, phi0, lambda0, m0);
        EXPECT_EQ(phi0, origin.latitude) << origin.zone;
        EXPECT_NEAR(lambda0, meridianOf(origin), 1e-13) << origin.zone;
        EXPECT_EQ(m0, 0.9999) << origin.zone;
    }
}

// The inverse convergence series ends its cubic term at 1 + t² - η²; the -2η⁴ it
// leaves out is worth up to 1.8e-8° (6.5e-5") two degrees off the meridian in the
// southern zones, so that one output is held to 2e-8° instead of 1e-8°.
constexpr double kInverseConvergenceTolerance = 2e-8;

TEST(Projection, AgreesWithExactTransverseMercatorInEveryZone)
{
    const GeographicLib::TransverseMercatorExact exact(6378137.0, 1 / 298.257222101, 0.9999);
    for (const auto& origin : kPublished) {
        const double lambda0 = meridianOf(origin);
        double x0 = 0, northing0 = 0, gamma0 = 0, k0 = 0;
        exact.Forward(lambda0, origin.latitude, lambda0, x0, northing0, gamma0, k0);

        for (int dB = -2; dB <= 2; ++dB) {
            for (int dL = -2; dL <= 2; ++dL) {
                const double B = origin.latitude + dB;
                const double L = lambda0 + dL;
                double easting = 0, northing = 0, gamma = 0, k = 0;
                exact.Forward(lambda0, B, L, easting, northing, gamma, k);
                const double Xref = northing - northing0;
                // GeographicLib's convergence runs from grid north to true north.
                const double gammaRef = -gamma;
                const auto where = testing::Message() << "zone " << origin.zone << " B " << B << " L " << L;

                double X = 0, Y = 0, g = 0, m = 0;
                sub_BL_XY(origin.zone, B, L, X, Y, g, m);
                EXPECT_NEAR(X, Xref, 1e-6) << where;
                EXPECT_NEAR(Y, easting, 1e-6) << where;
                EXPECT_NEAR(g, gammaRef, 1e-8) << where;
                EXPECT_NEAR(m, k, 1e-8) << where;

                double Bi = 0, Li = 0;
                sub_XY_BL(origin.zone, Xref, easting, Bi, Li, g, m);
                EXPECT_NEAR(Bi, B, 1e-9) << where;
                EXPECT_NEAR(Li, L, 1e-9) << where;
                EXPECT_NEAR(g, gammaRef, kInverseConvergenceTolerance) << where;
                EXPECT_NEAR(m, k, 1e-8) << where;

                sub_XY_BL(origin.zone, X, Y, Bi, Li, g, m);
                EXPECT_NEAR(Bi, B, 1e-9) << "round trip " << where;
                EXPECT_NEAR(Li, L, 1e-9) << "round trip " << where;
            }
        }
    }
}

} // namespace
