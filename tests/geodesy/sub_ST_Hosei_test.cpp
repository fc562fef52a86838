// Arc-to-chord corrections and line scale factor.
#include "sub_ST_Hosei.h"

#include <gtest/gtest.h>

namespace {

TEST(sub_ST_Hosei, CorrectionsAndScale)
{
    struct Case {
        const char* name;
        int16_t zone;
        double X1, Y1, X2, Y2;
        double delta12Seconds, delta21Seconds, secondsTolerance, k;
    } const cases[] = {
        {"zone 9 diagonal", 9, -10000, -20000, 15000, 30000, 0.2117, 0.8470, 5e-5, 0.9999028741},
        // From T = 146°18'35.7569" and the corrected 146°18'35.370", 326°18'36.148".
        {"zone 1 south-east", 1, 1000, 50000, -2000, 52000, 0.3869, -0.3911, 6e-4, 0.9999320636},
        {"along the X axis", 9, -5000, 0, 8000, 0, 0, 0, 0, 0.9999},
        {"arbitrary system", 0, -10000, -20000, 15000, 30000, 0, 0, 0, 1},
    };
    for (const auto& c : cases) {
        double delta12 = 1, delta21 = 1, k = 0;
        sub_ST_Hosei(c.zone, c.X1, c.Y1, c.X2, c.Y2, delta12, delta21, k);
        EXPECT_NEAR(delta12 * 3600, c.delta12Seconds, c.secondsTolerance) << c.name;
        EXPECT_NEAR(delta21 * 3600, c.delta21Seconds, c.secondsTolerance) << c.name;
        EXPECT_NEAR(k, c.k, 1e-10) << c.name;
    }
}

} // namespace
