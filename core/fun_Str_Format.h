#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Text t padded with blanks, or cut, to exactly w display columns. Alignment a:
// 0 pads on the right (left-aligned), any other value on the left. A cut that
// would split a double-byte character keeps the characters before it and one
// blank instead.
std::string fun_Str_Format(std::string_view t, int16_t w, int16_t a);
