#pragma once
#include <string>

// Fixed-column angle text of 10 characters from decimal degrees x, whole seconds
// (the rounded split of sub_Hms): degrees in 4 columns ("-" in front when x is
// negative), minutes in 3, seconds in 3, each right-aligned. 123°04'05" gives
// " 123  4  5"; -0.5° gives "  -0 30  0".
std::string sub_Str_Hms(double x);
