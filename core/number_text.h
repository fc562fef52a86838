#pragma once
// The one algorithm behind fun_Dbl_Format and fun_Dbl_Format2.

#include <cstdint>
#include <string>

namespace number_text {
enum class Grouping { ThreeDigitGroups, Plain };
std::string format(double x, int16_t w, int16_t d, Grouping grouping);
} // namespace number_text
