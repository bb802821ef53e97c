#pragma once

#include <string_view>

// The number a story writes at the start of a text, read the way authors of the old scripts
// expect: spaces, tabs and line feeds anywhere are skipped; then an optional sign, digits with at
// most one decimal point and an optional exponent (E or D), or "&H" / "&O" and a hexadecimal or
// octal integer. Reading stops at the first character that cannot continue the number; a text
// that does not start with one reads as 0. Too large a number reads as an infinity.
double ReadNumber(std::u16string_view text);
