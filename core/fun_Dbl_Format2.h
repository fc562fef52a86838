#pragma once
#include <cstdint>
#include <string>

// The number text of fun_Dbl_Format without digit groups.
std::string fun_Dbl_Format2(double x, int16_t w, int16_t d);
