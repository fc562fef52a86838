#include "field_number.h"

#include "checked_math.h"
#include "runtime_error.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// Walks a text character by character. The field reading passes over blanks,
// tabs and line feeds wherever they stand; the strict reading only before and
// after the number.
class Cursor {
public:
    Cursor(std::string_view text, bool skipInside) : text_(text), skipInside_(skipInside) { skip(); }
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    void advance()
    {
        ++pos_;
        if (skipInside_)
            skip();
    }
    void skip()
    {
        while (pos_ < text_.size() && isSkipped(text_[pos_]))
            ++pos_;
    }

private:
    std::string_view text_;
    bool skipInside_;
    std::size_t pos_ = 0;
};

int digitValue(char c, int radix)
{
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < radix ? v : -1;
}

double readRadixInteger(Cursor& in, int radix)
{
    uint64_t value = 0;
    for (int digit; (digit = digitValue(in.peek(), radix)) >= 0; in.advance()) {
        const uint64_t next = value * static_cast<uint64_t>(radix) + static_cast<uint64_t>(digit);
        if (next > 0xFFFFFFFFu)
            break;
        value = next;
    }
    return static_cast<double>(value);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The number at the start of in, an infinity beyond the double range; complete
// is false when no digit was found or an exponent mark had no digits after it.
double readNumber(Cursor& in, bool& complete)
{
    complete = false;
    if (in.peek() == '&') {
        in.advance();
        const char kind = in.peek();
        const int radix = (kind == 'H' || kind == 'h') ? 16 : (kind == 'O' || kind == 'o') ? 8 : 0;
        if (radix == 0)
            return 0.0;
        in.advance();
        complete = digitValue(in.peek(), radix) >= 0;
        return readRadixInteger(in, radix);
    }

    // The accepted characters are copied into a plain C number text for strtod.
    std::string number;
    if (in.peek() == '+' || in.peek() == '-') {
        number += in.peek();
        in.advance();
    }
    bool digits = false;
    bool point = false;
    for (;; in.advance()) {
        const char c = in.peek();
        if (isDigit(c)) {
            digits = true;
            number += c;
        } else if (c == '.' && !point) {
            point = true;
            number += c;
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    complete = true;
    const char e = in.peek();
    if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        std::string exponent = "e";
        in.advance();
        if (in.peek() == '+' || in.peek() == '-') {
            exponent += in.peek();
            in.advance();
        }
        for (; isDigit(in.peek()); in.advance())
            exponent += in.peek();
        complete = exponent.size() > 1 && isDigit(exponent.back());
        if (complete)
            number += exponent;
    }
    return std::strtod(number.c_str(), nullptr);
}

} // namespace

double readFieldNumber(std::string_view text)
{
    Cursor in(text, true);
    bool complete = false;
    return checked::finite(readNumber(in, complete));
}

double readStrictNumber(std::string_view text)
{
    Cursor in(text, false);
    bool complete = false;
    const double value = readNumber(in, complete);
    in.skip();
    if (!complete || !in.atEnd()) // a text that is no number, even if its start overflows
        throw RuntimeError(RuntimeError::TypeMismatch);
    return checked::finite(value);
}

std::string fieldNumberText(double x)
{
    if (x == 0.0 || std::isnan(x))
        return "0";
    if (std::isinf(x))
        throw RuntimeError(RuntimeError::Overflow);
    // 15 significant digits: "d.dddddddddddddde+XX".
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(x));
    // The largest doubles round up to 1.79769313486232e+308, beyond the double
    // range, which would overflow when the field is read: they round down.
    if (std::isinf(std::strtod(buf, nullptr)))
        --buf[15];
    std::string mantissa;
    mantissa += buf[0];
    mantissa.append(buf + 2, 14);
    const int exponent = std::atoi(buf + 17);
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();

    std::string text = x < 0.0 ? "-" : "";
    if (exponent >= 15 || exponent < -5) {
        text += mantissa.substr(0, 1);
        if (mantissa.size() > 1)
            text += '.' + mantissa.substr(1);
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return text + exp;
    }
    const auto digits = static_cast<int>(mantissa.size());
    if (exponent < 0)
        return text + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
    if (digits <= exponent + 1)
        return text + mantissa + std::string(static_cast<std::size_t>(exponent + 1 - digits), '0');
    return text + mantissa.substr(0, static_cast<std::size_t>(exponent + 1)) + '.'
        + mantissa.substr(static_cast<std::size_t>(exponent + 1));
}
