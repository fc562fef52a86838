// A field read from arbitrary bytes, then rewritten as it is when it is left:
// the rewritten text is the shortest form of the value, holds no blanks and no
// signed zero, reads back (also strictly) as the value rounded to 15 significant
// digits, and a second rewrite changes nothing. The strict reading of the bytes
// agrees with the field reading wherever it accepts them.

#include "field_number.h"
#include "fuzz_check.h"
#include "runtime_error.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The form of a rewritten text of the non-zero value back: positional from 1e-5
// up to below 1e15, otherwise "d.dddE+XX"; at most 15 significant digits, and
// no trailing zero after a point.
void checkForm(const std::string& text, double back)
{
    const bool exponentForm = std::fabs(back) < 1e-5 || std::fabs(back) >= 1e15;
    FUZZ_CHECK((text.find('E') != std::string::npos) == exponentForm, "\"%s\" for %.17g", text.c_str(), back);

    std::string_view mantissa = text;
    if (back < 0.0)
        mantissa.remove_prefix(1);
    mantissa = mantissa.substr(0, mantissa.find('E'));
    FUZZ_CHECK(!mantissa.empty() && isDigit(mantissa.front()), "\"%s\"", text.c_str());
    if (mantissa.front() == '0')
        FUZZ_CHECK(!exponentForm && mantissa.size() > 2 && mantissa[1] == '.', "\"%s\"", text.c_str());
    if (mantissa.find('.') != std::string_view::npos)
        FUZZ_CHECK(mantissa.back() != '0' && mantissa.back() != '.', "\"%s\"", text.c_str());
    if (exponentForm)
        FUZZ_CHECK(mantissa.size() == 1 || mantissa[1] == '.', "\"%s\"", text.c_str());

    const std::size_t first = mantissa.find_first_not_of("0.");
    int significant = 0;
    for (std::size_t i = first; i < mantissa.size(); ++i)
        significant += isDigit(mantissa[i]);
    if (mantissa.find('.') == std::string_view::npos) // trailing zeros of an integer are not significant
        significant -= static_cast<int>(mantissa.size() - 1 - mantissa.find_last_not_of('0'));
    FUZZ_CHECK(significant <= 15, "\"%s\"", text.c_str());
}

double readBack(const std::string& text, double x)
{
    try {
        return readFieldNumber(text);
    } catch (const RuntimeError& e) {
        fuzz::fail("readFieldNumber(text)", __FILE__, __LINE__, "\"%s\", the text of %.17g, raises %d",
                   text.c_str(), x, e.number());
    }
}

// The strict reading of a whole text either refuses it or finds the number the
// field reading does.
void checkStrictReading(std::string_view text, double field)
{
    try {
        const double strict = readStrictNumber(text);
        FUZZ_CHECK(strict == field, "strict %.17g, field %.17g", strict, field);
    } catch (const RuntimeError& e) {
        FUZZ_CHECK(e.number() == RuntimeError::TypeMismatch, "error %d", e.number());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    double x = 0.0;
    try {
        x = readFieldNumber(input);
    } catch (const RuntimeError& e) {
        FUZZ_CHECK(e.number() == RuntimeError::Overflow, "error %d", e.number());
        return 0;
    }
    FUZZ_CHECK(std::isfinite(x), "%g", x);
    checkStrictReading(input, x);

    const std::string text = fieldNumberText(x);
    FUZZ_CHECK(text.find_first_of(" \t\n") == std::string::npos, "\"%s\"", text.c_str());
    if (x == 0.0) {
        FUZZ_CHECK(text == "0", "\"%s\" for a zero", text.c_str());
        return 0;
    }
    FUZZ_CHECK((text.front() == '-') == (x < 0.0), "\"%s\" for %.17g", text.c_str(), x);

    // 15 significant digits are within half a unit of the 15th digit, at most
    // 5e-15 of the magnitude; reading the decimal adds half an ulp.
    const double back = readBack(text, x);
    const double tolerance = 5.2e-15 * std::fabs(x) + std::numeric_limits<double>::denorm_min();
    FUZZ_CHECK(std::fabs(back - x) <= tolerance, "\"%s\" reads %.17g for %.17g", text.c_str(), back, x);
    checkForm(text, back);
    FUZZ_CHECK(readStrictNumber(text) == back, "\"%s\" is not a whole number", text.c_str());

    // Leaving the field again keeps its value, and for a normal double (15
    // digits survive the round trip) also its text.
    const std::string again = fieldNumberText(back);
    FUZZ_CHECK(readBack(again, back) == back, "\"%s\" then \"%s\"", text.c_str(), again.c_str());
    if (std::fabs(back) >= DBL_MIN)
        FUZZ_CHECK(again == text, "\"%s\" then \"%s\"", text.c_str(), again.c_str());
    return 0;
}
