#pragma once

// The simple Unicode case mapping of one character. Qt's full mapping differs only for İ
// (U+0130), which lowers to "i" here rather than to "i" and a combining dot.
char32_t LowerPoint(char32_t point);
char32_t UpperPoint(char32_t point);
