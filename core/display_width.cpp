#include "display_width.h"

int displayWidth(char32_t c)
{
    return (c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F)) ? 1 : 2;
}

int displayWidth(std::string_view utf8)
{
    int width = 0;
    while (!utf8.empty()) {
        char32_t c = 0;
        const std::size_t n = nextUtf8(utf8, c);
        width += displayWidth(c);
        utf8.remove_prefix(n);
    }
    return width;
}

std::size_t nextUtf8(std::string_view text, char32_t& c)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char b0 = byte(0);
    std::size_t n = 0;
    char32_t min = 0;
    if (b0 < 0x80) {
        c = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        n = 2, c = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3, c = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4, c = b0 & 0x07, min = 0x10000;
    }
    bool valid = n != 0 && text.size() >= n;
    for (std::size_t i = 1; valid && i < n; ++i) {
        valid = (byte(i) & 0xC0) == 0x80;
        c = (c << 6) | (byte(i) & 0x3F);
    }
    if (!valid || c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        c = 0xFFFD;
        return 1;
    }
    return n;
}
