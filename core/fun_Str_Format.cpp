#include "fun_Str_Format.h"

#include "display_width.h"

std::string fun_Str_Format(std::string_view t, int16_t w, int16_t a)
{
    int width = 0;
    std::size_t pos = 0;
    while (pos < t.size()) {
        char32_t c = 0;
        const std::size_t n = nextUtf8(t.substr(pos), c);
        const int next = width + displayWidth(c);
        if (next > w) // a double-byte character straddles the last column
            return std::string(t.substr(0, pos)) + std::string(static_cast<std::size_t>(w - width), ' ');
        width = next;
        pos += n;
        if (width == w)
            return std::string(t.substr(0, pos));
    }
    const std::string pad(static_cast<std::size_t>(w > width ? w - width : 0), ' ');
    return a != 0 ? pad + std::string(t) : std::string(t) + pad;
}
