#include "field_number.h"

#include "runtime_error.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// Walks a text character by character, passing over blanks, tabs and line feeds.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) { skip(); }
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    void advance()
    {
        ++pos_;
        skip();
    }

private:
    void skip()
    {
        while (pos_ < text_.size() && isSkipped(text_[pos_]))
            ++pos_;
    }
    std::string_view text_;
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

} // namespace

double readFieldNumber(std::string_view text)
{
    Cursor in(text);
    if (in.peek() == '&') {
        in.advance();
        const char kind = in.peek();
        if (kind == 'H' || kind == 'h') {
            in.advance();
            return readRadixInteger(in, 16);
        }
        if (kind == 'O' || kind == 'o') {
            in.advance();
            return readRadixInteger(in, 8);
        }
        return 0.0;
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
    const char e = in.peek();
    if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        std::string exponent = "e";
        in.advance();
        if (in.peek() == '+' || in.peek() == '-') {
            exponent += in.peek();
            in.advance();
        }
        bool expDigits = false;
        for (; isDigit(in.peek()); in.advance()) {
            expDigits = true;
            exponent += in.peek();
        }
        if (expDigits)
            number += exponent;
    }
    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(value))
        throw RuntimeError(RuntimeError::Overflow);
    return value;
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
