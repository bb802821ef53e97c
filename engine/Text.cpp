#include "Text.h"

#include "Casing.h"

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The code point of a complete, shortest-form sequence at `at`, and its length; 0 when the
// bytes there are no such sequence.
int decodeSequence(std::string_view bytes, std::size_t at, char32_t &point) {
    const unsigned char lead = static_cast<unsigned char>(bytes[at]);
    int length;
    char32_t least;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, least = 0x80, point = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, least = 0x800, point = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, least = 0x10000, point = lead & 0x07;
    } else {
        return 0;
    }
    if (bytes.size() - at < std::size_t(length))
        return 0;
    for (int i = 1; i < length; ++i) {
        const unsigned char next = static_cast<unsigned char>(bytes[at + i]);
        if (!isContinuation(next))
            return 0;
        point = point << 6 | (next & 0x3F);
    }
    if (point < least || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return 0;
    return length;
}

void appendPoint(char32_t point, std::u16string &out) {
    if (point < 0x10000) {
        out += char16_t(point);
    } else {
        point -= 0x10000;
        out += char16_t(0xD800 + (point >> 10));
        out += char16_t(0xDC00 + (point & 0x3FF));
    }
}

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Maps every character of the text, a surrogate pair as one; lone surrogates stay as they are.
template <typename Map> std::u16string mapCharacters(std::u16string_view text, Map map) {
    std::u16string mapped;
    mapped.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (isHighSurrogate(unit) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            appendPoint(map(0x10000 + ((char32_t(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00)),
                        mapped);
            ++i;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            mapped += unit;
        } else {
            appendPoint(map(unit), mapped);
        }
    }
    return mapped;
}

} // namespace

std::string_view WithoutByteOrderMark(std::string_view bytes) {
    return bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
}

// Written through a pointer into room made beforehand: never more units than bytes.
std::u16string FromUtf8(std::string_view bytes) {
    std::u16string text(bytes.size(), u'\0');
    char16_t *out = text.data();
    for (std::size_t at = 0; at < bytes.size();) {
        const unsigned char byte = static_cast<unsigned char>(bytes[at]);
        if (byte < 0x80) {
            *out++ = char16_t(byte);
            ++at;
            continue;
        }
        char32_t point;
        const int length = decodeSequence(bytes, at, point);
        if (length == 0) {
            *out++ = kReplacement;
            ++at;
        } else if (point < 0x10000) {
            *out++ = char16_t(point);
            at += std::size_t(length);
        } else {
            point -= 0x10000;
            *out++ = char16_t(0xD800 + (point >> 10));
            *out++ = char16_t(0xDC00 + (point & 0x3FF));
            at += std::size_t(length);
        }
    }
    text.resize(std::size_t(out - text.data()));
    return text;
}

// Written through a pointer into room made beforehand: at most three bytes a unit, since a
// pair of units, four bytes, is two units.
void AppendUtf8(std::u16string_view text, std::string &out) {
    const std::size_t start = out.size();
    out.resize(start + 3 * text.size());
    char *at = out.data() + start;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t point = text[i];
        if (point < 0x80) {
            *at++ = char(point);
            continue;
        }
        if (isHighSurrogate(char16_t(point)) && i + 1 < text.size() &&
            isLowSurrogate(text[i + 1])) {
            point = 0x10000 + ((point - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (point >= 0xD800 && point <= 0xDFFF) {
            *at++ = '?';
            continue;
        }
        if (point < 0x800) {
            *at++ = char(0xC0 | point >> 6);
        } else if (point < 0x10000) {
            *at++ = char(0xE0 | point >> 12);
            *at++ = char(0x80 | (point >> 6 & 0x3F));
        } else {
            *at++ = char(0xF0 | point >> 18);
            *at++ = char(0x80 | (point >> 12 & 0x3F));
            *at++ = char(0x80 | (point >> 6 & 0x3F));
        }
        *at++ = char(0x80 | (point & 0x3F));
    }
    out.resize(std::size_t(at - out.data()));
}

std::string ToUtf8(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    AppendUtf8(text, bytes);
    return bytes;
}

std::size_t Utf8SequenceLength(std::string_view bytes, std::size_t at) {
    if (static_cast<unsigned char>(bytes[at]) < 0x80)
        return 1;
    char32_t point;
    return std::size_t(decodeSequence(bytes, at, point));
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {
            ++at;
            continue;
        }
        char32_t point;
        const int length = decodeSequence(bytes, at, point);
        if (length == 0)
            return false;
        at += std::size_t(length);
    }
    return true;
}

std::u16string LowerCase(std::u16string_view text) {
    return mapCharacters(text, LowerPoint);
}

std::u16string UpperCase(std::u16string_view text) {
    return mapCharacters(text, UpperPoint);
}

std::u16string DecimalText(long long value) {
    return Latin(std::to_string(value));
}

std::u16string Latin(std::string_view ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}
