#include "display_width.h"
#include "fun_Dbl_Format.h"
#include "fun_Dbl_Format2.h"
#include "fun_Str_Format.h"
#include "runtime_error.h"
#include "sub_Marume.h"

#include <gtest/gtest.h>

namespace {

TEST(sub_Marume, HalvesAwayFromZeroAfterTheBias)
{
    struct Case {
        double x;
        int n;
        double expected;
    } const cases[] = {
        {2.5, 0, 3.0},          {-2.5, 0, -3.0},     {1.005, 2, 1.01},       {0.12345, 4, 0.1235},
        {-0.0005, 3, -0.001},   {12.3456, 2, 12.35}, {0.0, 3, 0.0},          {2147483647.4, 0, 2147483647.0},
        {-1234.5678, 3, -1234.568},
    };
    for (const auto& c : cases) {
        double r = 0;
        sub_Marume(c.x, static_cast<int16_t>(c.n), r);
        EXPECT_DOUBLE_EQ(r, c.expected) << c.x << " to " << c.n;
    }
}

TEST(sub_Marume, MayWriteIntoItsInput)
{
    double x = 1.005;
    sub_Marume(x, 2, x);
    EXPECT_DOUBLE_EQ(x, 1.01);
}

TEST(sub_Marume, IntegerPartBeyond32BitsOverflows)
{
    for (double x : {2147483648.0, -2147483648.0, 3e9, 1e300}) {
        double r = 0;
        try {
            sub_Marume(x, 3, r);
            ADD_FAILURE() << x;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), RuntimeError::Overflow) << x;
        }
    }
}

struct FormatCase {
    const char* name;
    double x;
    int w, d;
    const char* grouped; // fun_Dbl_Format
    const char* plain;   // fun_Dbl_Format2
};

TEST(NumberText, FixedWidthTexts)
{
    const FormatCase cases[] = {
        {"groups of three", 1234567.891, 15, 3, "  1 234 567.891", "    1234567.891"},
        {"one group", 12345.6789, 13, 3, "   12 345.679", "    12345.679"},
        {"negative below one", -0.4, 10, 3, "    -0.400", "    -0.400"},
        {"fraction carries into the integer", 2.9996, 10, 3, "     3.000", "     3.000"},
        {"carry adds a group", 999.9995, 10, 3, " 1 000.000", "  1000.000"},
        {"rounded zero has no sign", -0.0004, 10, 3, "     0.000", "     0.000"},
        {"beyond 32 bits", 3e9, 10, 3, "     *.***", "     *.***"},
        {"too wide loses its right end", 1234567.891, 10, 3, "1 234 567.", "1234567.89"},
        {"fraction zeros kept", 0.05, 8, 3, "   0.050", "   0.050"},
        {"thousand", 1000.0, 10, 3, " 1 000.000", "  1000.000"},
        {"negative grouped one decimal", -1234.5, 12, 1, "    -1 234.5", "     -1234.5"},
        {"small fraction keeps its digits", 12.000001, 12, 6, "   12.000001", "   12.000001"},
        {"largest 32-bit integer", 2147483647.0, 16, 1, "  2147 483 647.0", "    2147483647.0"},
        {"infinity", 1.0 / 0.0, 8, 2, "    *.**", "    *.**"},
        // Fault: the integer part followed sub_Marume(x), not the fraction (131 072.00, 16 386.9).
        {"fraction carries where the bias is lost", 131072.995, 12, 2, "  131 073.00", "   131073.00"},
        {"no carry where the bias grows", 16385.94999999999, 10, 1, "  16 385.9", "   16385.9"},
    };
    for (const auto& c : cases) {
        const auto w = static_cast<int16_t>(c.w), d = static_cast<int16_t>(c.d);
        EXPECT_EQ(fun_Dbl_Format(c.x, w, d), c.grouped) << c.name;
        EXPECT_EQ(fun_Dbl_Format2(c.x, w, d), c.plain) << c.name;
    }
}

TEST(fun_Str_Format, PadsAndCutsByDisplayColumns)
{
    struct Case {
        const char* name;
        const char* t;
        int w, a;
        const char* expected;
    } const cases[] = {
        {"right-aligned", "abc", 5, 1, "  abc"},
        {"left-aligned", "abc", 5, 0, "abc  "},
        {"cut", "abcdef", 4, 1, "abcd"},
        {"double-byte fits", "ab測量", 6, 0, "ab測量"},
        {"double-byte straddles the last column", "abcd測", 5, 1, "abcd "},
        {"double-byte padded", "測量", 6, 1, "  測量"},
        {"half-width katakana is one column", "ｴﾗｰ", 4, 0, "ｴﾗｰ "},
        {"degree mark is two columns", "45°", 5, 1, " 45°"},
        {"exact width", "12345", 5, 0, "12345"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fun_Str_Format(c.t, static_cast<int16_t>(c.w), static_cast<int16_t>(c.a)), c.expected) << c.name;
}

TEST(DisplayWidth, SingleAndDoubleByteCharacters)
{
    EXPECT_EQ(displayWidth("abc 1.5"), 7);
    EXPECT_EQ(displayWidth("ｴﾗｰ番号"), 7);
    EXPECT_EQ(displayWidth("°′″"), 6);
    EXPECT_EQ(displayWidth(std::string_view("\xff\x41", 2)), 3); // an invalid byte counts as two
}

} // namespace
