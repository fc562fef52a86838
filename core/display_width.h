#pragma once
// Display width of texts in the fixed-pitch font: single-byte characters (ASCII
// and half-width katakana U+FF61-U+FF9F) take one column, every other character
// two, as the double-byte characters of the Japanese character set do.

#include <string_view>

// Columns taken by one character.
int displayWidth(char32_t c);

// Columns taken by a UTF-8 text. A byte that does not start a valid UTF-8
// sequence counts as one character of two columns.
int displayWidth(std::string_view utf8);

// Length in bytes of the UTF-8 character at the start of text (1 for an invalid
// byte), and the character it encodes (U+FFFD for an invalid byte).
std::size_t nextUtf8(std::string_view text, char32_t& c);
