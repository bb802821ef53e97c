#pragma once

#include <string>
#include <string_view>

// A story's text is kept in UTF-16, so that every position, length and word rule counts the
// same units whatever the story's letters are. Files, terminals and the browser speak UTF-8;
// these convert at the edges.

// Invalid bytes each become U+FFFD, so a line typed or piped in always reads as text.
std::u16string FromUtf8(std::string_view bytes);
// The bytes without the UTF-8 byte-order mark that some editors put at the start of a text.
std::string_view WithoutByteOrderMark(std::string_view bytes);
// A lone surrogate, which only a cut through a pair can leave, becomes "?".
std::string ToUtf8(std::u16string_view text);
void AppendUtf8(std::u16string_view text, std::string &out);
// The length of the complete, shortest-form UTF-8 sequence at `at` (1 for ASCII), or 0 when the
// bytes there are none.
std::size_t Utf8SequenceLength(std::string_view bytes, std::size_t at);
// Whether the bytes are UTF-8 without a single invalid sequence.
bool IsValidUtf8(std::string_view bytes);

// Unicode casing, one character at a time: Cyrillic with ё and Ё, Latin, and every other script.
std::u16string LowerCase(std::u16string_view text);
std::u16string UpperCase(std::u16string_view text);

std::u16string DecimalText(long long value);
// Plain ASCII text, such as a message assembled from numbers and Latin words.
std::u16string Latin(std::string_view ascii);
