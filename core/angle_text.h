#pragma once
// Angle texts with the marks °, ′ and ″, and the fixed-column angle texts, in
// every form the screens show. Screens build no angle text by hand: they pick
// one of these.

#include <cstdint>
#include <string>
#include <string_view>

// text padded on the left with blanks to width characters; a longer text keeps
// only its leftmost width characters. The integer form pads the plain decimal
// digits (a "-" in front of negatives).
std::string rightAligned(std::string_view text, int width);
std::string rightAligned(int value, int width);

// Whole seconds (rounded split of sub_Hms): degrees right-aligned in degWidth,
// minutes and seconds in 2. " 35° 4′23″" with degWidth 3.
std::string angleTextWhole(double degrees, int degWidth = 3);

// Whole seconds with a sign: "+ " (0 and above) or "- ", then the whole degrees
// in 2: "+  5°30′15″".
std::string angleTextWholeSigned(double degrees);

// Whole seconds, every number as plain digits: "35°4′23″".
std::string angleTextPlain(double degrees);

// Seconds with n decimals (sub_HmsCut): signed whole degrees right-aligned in
// degWidth, minutes in 2, seconds as the number text of width n + 3:
// " 36°52′11.632″" with n 3 and degWidth 3.
std::string angleTextSeconds(double degrees, int16_t n, int degWidth = 3);

// Seconds with n decimals after a sign character chosen by the caller, then the
// whole degrees without their sign in 2: "-  0°40′09.25″".
std::string angleTextSecondsSigned(double degrees, int16_t n, char sign);

// Fixed columns without marks, seconds with n decimals (sub_HmsCut): degrees in
// 4, minutes in 3, seconds as the number text of width n + 4:
// "  45  0  0.000000" with n 6.
std::string angleColumnsSeconds(double degrees, int16_t n);

// The d.mmss notation of an angle to whole seconds (the rounded split of
// sub_Hms): degrees + minutes x 0.01 + seconds x 0.0001 as the number text of
// width columns with 4 decimals. 270° gives "270.0000" in width 8;
// 35°04'59.6" gives "  35.0500" in width 9.
std::string angleTextDmmss(double degrees, int16_t width);
