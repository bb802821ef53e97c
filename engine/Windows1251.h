#pragma once

#include <string>
#include <string_view>

// Stories and the launcher's record are 8-bit Windows-1251 text. Every byte is exactly one
// character and every character of the code page one byte, so no byte is ever lost or merged.
char16_t Windows1251Character(unsigned char byte);
std::u16string DecodeWindows1251(std::string_view bytes);
// A character the code page lacks becomes "?"; `lossless` tells whether any did.
std::string EncodeWindows1251(std::u16string_view text, bool *lossless = nullptr);
