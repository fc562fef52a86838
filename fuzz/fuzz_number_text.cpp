// fun_Dbl_Format and fun_Dbl_Format2 of any double (infinities, NaNs and
// denormals too), of typed numbers and of halves, in widths 1 to 20 with 1 to 8
// decimals. The text always takes exactly w columns: the whole number text
// right-aligned, or its left end when it is wider. The whole text is x rounded
// to d decimals, digit groups aside, or the asterisk text when the integer part
// leaves the 32-bit range.

#include "display_width.h"
#include "field_number.h"
#include "fun_Dbl_Format.h"
#include "fun_Dbl_Format2.h"
#include "fuzz_check.h"
#include "runtime_error.h"
#include "sub_Marume.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// Wider than any number text ("-2147 483 647." and 8 decimals), so never cut.
constexpr int16_t uncutWidth = 32;

std::string withoutBlanks(std::string text)
{
    std::erase(text, ' ');
    return text;
}

// The text in w columns is the whole text right-aligned, or its left end.
void checkWidth(const std::string& text, const std::string& whole, int16_t w)
{
    const auto columns = static_cast<std::size_t>(w);
    FUZZ_CHECK(displayWidth(text) == w && text.size() == columns, "\"%s\" in %d columns", text.c_str(), w);
    const std::string expected = whole.size() <= columns ? std::string(columns - whole.size(), ' ') + whole
                                                         : whole.substr(0, columns);
    FUZZ_CHECK(text == expected, "\"%s\" for \"%s\" in %d columns", text.c_str(), whole.c_str(), w);
}

// Groups of the integer digits: three digits after each blank, as many groups
// as the integer needs (at most three: 2147 483 647).
void checkGroups(const std::string& whole, const std::string& plain)
{
    FUZZ_CHECK(withoutBlanks(whole) == plain, "\"%s\" against \"%s\"", whole.c_str(), plain.c_str());
    const std::size_t sign = whole.front() == '-' ? 1 : 0;
    const std::string integer = whole.substr(sign, whole.find('.') - sign);
    const auto blanks = static_cast<std::size_t>(std::count(integer.begin(), integer.end(), ' '));
    const std::size_t digits = integer.size() - blanks;
    const std::size_t groups = digits <= 3 ? 1 : digits <= 6 ? 2 : 3;
    FUZZ_CHECK(blanks == groups - 1, "\"%s\"", whole.c_str());
    for (std::size_t g = 1; g < groups; ++g)
        FUZZ_CHECK(integer[integer.size() - 4 * g] == ' ', "\"%s\"", whole.c_str());
}

bool isDigits(const std::string& text, std::size_t from, std::size_t to)
{
    return from < to && std::all_of(text.begin() + static_cast<std::ptrdiff_t>(from),
                                    text.begin() + static_cast<std::ptrdiff_t>(to),
                                    [](char c) { return c >= '0' && c <= '9'; });
}

// The plain text: the asterisk text exactly when the integer part leaves the
// 32-bit range, otherwise an optional minus, the integer without leading zeros,
// a point and d decimals, which together read as x rounded to d decimals.
void checkValue(const std::string& plain, double x, int16_t d)
{
    const std::string asterisks = "*." + std::string(static_cast<std::size_t>(d), '*');
    if (plain == asterisks) {
        FUZZ_CHECK(!(std::fabs(x) < 2147483647.0), "\"%s\" for %.17g", plain.c_str(), x);
        return;
    }
    FUZZ_CHECK(std::fabs(x) < 2147483648.0, "\"%s\" for %.17g", plain.c_str(), x);

    const std::size_t sign = plain.front() == '-' ? 1 : 0;
    const std::size_t point = plain.find('.');
    FUZZ_CHECK(point != std::string::npos && isDigits(plain, sign, point)
                   && (plain[sign] != '0' || point == sign + 1) && isDigits(plain, point + 1, plain.size())
                   && plain.size() - point - 1 == static_cast<std::size_t>(d),
               "\"%s\" with %d decimals", plain.c_str(), d);

    double rounded = 0.0;
    sub_Marume(x, d, rounded);
    const double back = readFieldNumber(plain);
    FUZZ_CHECK((sign == 1) == (back < 0.0), "\"%s\": a minus only on a non-zero value", plain.c_str());
    // The decimals are exact; reading them back into a double costs up to an ulp
    // of x, and the rounding may go up from a hair (the bias) below a half.
    const double ulp = std::nextafter(std::fabs(x), INFINITY) - std::fabs(x);
    const double unit = std::pow(10.0, -d);
    FUZZ_CHECK(std::fabs(back - x) <= unit * (0.5 + 1e-9) + 1e-11 + 2 * ulp, "\"%s\" reads %.17g for %.17g",
               plain.c_str(), back, x);
    // The decimals are rounded from the exact fraction of x, sub_Marume rounds
    // |x| + 1e-11, where the bias may grow to an ulp of x: a value that close
    // below a half may go either way, so the two agree to one unit.
    FUZZ_CHECK(std::fabs(back - rounded) <= unit * (1 + 1e-9) + 2 * ulp,
               "\"%s\" reads %.17g, sub_Marume gives %.17g", plain.c_str(), back, rounded);
}

std::string withoutLeadingBlanks(const std::string& text) { return text.substr(text.find_first_not_of(' ')); }

// The text of a half between two numbers of d decimals, such as "-234567.995"
// for d = 2: the values where a rounding goes wrong if anywhere. The bits give
// the sign (bit 63), a right shift of the 31-bit integer (bits 58-62, so that
// every magnitude is as likely) and the decimals (bits 31-57).
std::string halfText(uint64_t bits, int16_t d)
{
    uint64_t scale = 1;
    for (int i = 0; i < d; ++i)
        scale *= 10;
    const uint64_t integer = (bits & 0x7FFFFFFF) >> (bits >> 58 & 31);
    const std::string decimals = std::to_string((bits >> 31 & 0x7FFFFFF) % scale);
    return (bits >> 63 != 0 ? "-" : "") + std::to_string(integer) + '.'
        + std::string(static_cast<std::size_t>(d) - decimals.size(), '0') + decimals + '5';
}

// The value under test, as the first byte chooses: a bit pattern of eight bytes,
// the half of halfText, or a number typed as text.
bool valueOf(std::string_view bytes, int16_t d, double& x)
{
    const int kind = bytes.empty() ? 0 : static_cast<unsigned char>(bytes.front()) % 3;
    bytes.remove_prefix(bytes.empty() ? 0 : 1);
    std::string text(bytes);
    uint64_t bits = 0;
    if (kind != 0 && bytes.size() == sizeof bits) {
        std::memcpy(&bits, bytes.data(), sizeof bits);
        if (kind == 1) {
            std::memcpy(&x, &bits, sizeof x);
            return true;
        }
        text = halfText(bits, d);
    }
    try {
        x = readFieldNumber(text);
        return true;
    } catch (const RuntimeError&) { // beyond the double range
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const auto w = static_cast<int16_t>(1 + data[0] % 20);
    const auto d = static_cast<int16_t>(1 + data[1] % 8);
    double x = 0.0;
    if (!valueOf(std::string_view(reinterpret_cast<const char*>(data), size).substr(2), d, x))
        return 0;

    const std::string grouped = withoutLeadingBlanks(fun_Dbl_Format(x, uncutWidth, d));
    const std::string plain = withoutLeadingBlanks(fun_Dbl_Format2(x, uncutWidth, d));
    checkWidth(fun_Dbl_Format(x, w, d), grouped, w);
    checkWidth(fun_Dbl_Format2(x, w, d), plain, w);
    checkGroups(grouped, plain);
    checkValue(plain, x, d);
    return 0;
}
