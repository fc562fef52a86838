#include "field_number.h"
#include "runtime_error.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(readFieldNumber, TypedTexts)
{
    struct Case {
        const char* text;
        double value;
    } const cases[] = {
        {"1 234.5", 1234.5},   {"12abc", 12},          {"-.5", -0.5},       {"1.5E3", 1500},
        {"1.5D3", 1500},       {"1.5d+3", 1500},       {"25e-1", 2.5},      {"&H10", 16},
        {"&hff", 255},         {"&O17", 15},           {"abc", 0},          {"", 0},
        {" \t\n", 0},          {"- 5", -5},            {"+7", 7},           {"1.2.3", 1.2},
        {"1.5E", 1.5},         {"1.5E+", 1.5},         {".", 0},            {"-", 0},
        {"+-5", 0},            {"007.50", 7.5},        {"1,234", 1},        {"  -12 345.678", -12345.678},
        {"&HFFFFFFFF", 4294967295.0}, {"&H1FFFFFFFF", 536870911.0}, {"&", 0}, {"&X1", 0},
        {"1e-400", 0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(readFieldNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(readFieldNumber, BeyondTheDoubleRangeOverflows)
{
    try {
        readFieldNumber("1e400");
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), RuntimeError::Overflow);
    }
}

TEST(readStrictNumber, WholeTextMustBeANumber)
{
    struct Case {
        const char* text;
        double value; // NAN: type mismatch
    } const cases[] = {
        {"12", 12},     {" 9 ", 9},      {"-2.5", -2.5}, {"1.5D3", 1500}, {"&H1F", 31},  {"10\t", 10},
        {"abc", NAN},   {"", NAN},       {"12abc", NAN}, {"1 2", NAN},    {"1.5E", NAN}, {"-", NAN},
        {"&H", NAN},    {"&X1", NAN},
        {"1e400x", NAN}, // fault: overflow (6) instead of type mismatch
    };
    for (const auto& c : cases) {
        if (std::isnan(c.value)) {
            try {
                readStrictNumber(c.text);
                ADD_FAILURE() << '"' << c.text << '"';
            } catch (const RuntimeError& e) {
                EXPECT_EQ(e.number(), RuntimeError::TypeMismatch) << '"' << c.text << '"';
            }
        } else {
            EXPECT_DOUBLE_EQ(readStrictNumber(c.text), c.value) << '"' << c.text << '"';
        }
    }
}

TEST(fieldNumberText, ShortestDecimalText)
{
    struct Case {
        double x;
        const char* text;
    } const cases[] = {
        {12.34, "12.34"},       {0.5, "0.5"},          {-0.5, "-0.5"},          {7.5, "7.5"},
        {0.0, "0"},             {-0.0, "0"},           {100.0, "100"},          {0.1 + 0.2, "0.3"},
        {123456789012345.0, "123456789012345"},        {1e15, "1E+15"},         {1.5e20, "1.5E+20"},
        {0.00001, "0.00001"},   {0.000001, "1E-06"},   {-2.5e-7, "-2.5E-07"},   {35.0423, "35.0423"},
        {1.0 / 3.0, "0.333333333333333"},              {2.0 / 3.0, "0.666666666666667"},
        {999999999999999.9, "1E+15"},
        {1.7976931348623157e308, "1.79769313486231E+308"}, // fault: its text overflowed when read
    };
    for (const auto& c : cases)
        EXPECT_EQ(fieldNumberText(c.x), c.text) << c.x;
}

TEST(fieldNumberText, ReadsBackAsTheSameNumber)
{
    for (double x : {1234.5678, -0.000123, 6.02214076e23, 1e-300, 98765.4321, 2.0 / 7.0}) {
        const double back = readFieldNumber(fieldNumberText(x));
        EXPECT_NEAR(back, x, std::abs(x) * 1e-14) << x;
    }
}

} // namespace
