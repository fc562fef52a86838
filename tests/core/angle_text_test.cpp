#include "angle_text.h"

#include <gtest/gtest.h>

namespace {

double dms(double d, double m, double s) { return d + m / 60 + s / 3600; }

TEST(AngleText, EveryForm)
{
    struct Case {
        const char* name;
        std::string actual;
        const char* expected;
    } const cases[] = {
        {"whole seconds", angleTextWhole(dms(35, 4, 23)), " 35° 4′23″"},
        {"whole seconds of a zone origin", angleTextWhole(139 + 50 / 60.0), "139°50′ 0″"},
        {"whole seconds signed", angleTextWholeSigned(dms(5, 30, 15)), "+  5°30′15″"},
        {"whole seconds signed negative", angleTextWholeSigned(-dms(5, 30, 15)), "-  5°30′15″"},
        {"plain", angleTextPlain(dms(35, 4, 23)), "35°4′23″"},
        {"plain rounds to whole seconds", angleTextPlain(dms(35, 4, 59.6)), "35°5′0″"},
        {"three decimals", angleTextSeconds(dms(36, 52, 11.632), 3), " 36°52′11.632″"},
        {"five decimals, negative", angleTextSeconds(-dms(12, 3, 4.5), 5), "-12° 3′ 4.50000″"},
        {"decimal degrees in four", angleTextSeconds(dms(45, 30, 15), 3, 4), "  45°30′15.000″"},
        {"sign chosen by caller", angleTextSecondsSigned(-dms(0, 40, 9.25), 2, '-'), "- 0°40′ 9.25″"},
        {"columns with six decimals", angleColumnsSeconds(45.0, 6), "  45  0  0.000000"},
        {"inverse of (-1, 1) shows 135°", angleTextPlain(134.9999999999998), "135°0′0″"},
        {"d.mmss", angleTextDmmss(270.0, 8), "270.0000"},
        {"d.mmss of zero", angleTextDmmss(0.0, 9), "   0.0000"},
        {"d.mmss rounds to whole seconds", angleTextDmmss(dms(35, 4, 59.6), 9), "  35.0500"},
        {"d.mmss of seconds", angleTextDmmss(dms(35, 4, 23), 9), "  35.0423"},
        {"d.mmss wraps 360° to 0", angleTextDmmss(dms(359, 59, 59.6), 9), "   0.0000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.actual, c.expected) << c.name;
}

TEST(AngleText, RightAlignedKeepsTheLeftEndOfALongText)
{
    EXPECT_EQ(rightAligned("12345", 3), "123");
    EXPECT_EQ(rightAligned(-7, 3), " -7");
}

} // namespace
