// fun_Str_Format of arbitrary bytes (any UTF-8, valid or not) in widths 1 to
// 40: the result always takes exactly w columns; a narrower text is padded on
// the side its alignment asks for, a wider one keeps its left end, with one
// blank where a double-byte character would straddle the last column.

#include "display_width.h"
#include "fun_Str_Format.h"
#include "fuzz_check.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const auto w = static_cast<int16_t>(1 + data[0] % 40);
    const auto a = static_cast<int16_t>(data[1] % 3); // 0 left-aligned, 1 and 2 right-aligned
    const std::string_view t(reinterpret_cast<const char*>(data + 2), size - 2);

    const std::string result = fun_Str_Format(t, w, a);
    FUZZ_CHECK(displayWidth(result) == w, "%d columns instead of %d", displayWidth(result), w);

    const int width = displayWidth(t);
    if (width <= w) {
        const std::string pad(static_cast<std::size_t>(w - width), ' ');
        FUZZ_CHECK(result == (a != 0 ? pad + std::string(t) : std::string(t) + pad), "padded wrongly, a %d", a);
        return 0;
    }
    // Cut: a prefix of t, or a prefix and the blank that stands for a character
    // of two columns of which only one would fit.
    if (t.substr(0, result.size()) == result)
        return 0;
    const std::string_view kept = t.substr(0, result.size() - 1);
    FUZZ_CHECK(std::string(kept) + ' ' == result && kept.size() < t.size(), "not a cut of the text");
    char32_t next = 0;
    nextUtf8(t.substr(kept.size()), next);
    FUZZ_CHECK(displayWidth(next) == 2, "a blank after the cut that stands for U+%04X", static_cast<unsigned>(next));
    return 0;
}
