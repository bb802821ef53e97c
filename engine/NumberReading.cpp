#include "NumberReading.h"

#include <clocale>
#include <cstdlib>
#include <string>

namespace {

// The characters of a text with the blanks taken out, one at a time.
class Characters {
public:
    explicit Characters(std::u16string_view text) : m_text(text) { skipBlanks(); }
    bool atEnd() const { return m_at >= m_text.size(); }
    char16_t peek() const { return atEnd() ? u'\0' : m_text[m_at]; }
    void next() {
        ++m_at;
        skipBlanks();
    }
    bool take(char16_t c) {
        if (atEnd() || upper(peek()) != upper(c))
            return false;
        next();
        return true;
    }

private:
    void skipBlanks() {
        while (!atEnd() && (peek() == u' ' || peek() == u'\t' || peek() == u'\n'))
            ++m_at;
    }
    static char16_t upper(char16_t c) {
        return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c;
    }
    std::u16string_view m_text;
    std::size_t m_at = 0;
};

int digitValue(char16_t c, int base) {
    int value = base;
    if (c >= u'0' && c <= u'9')
        value = c - u'0';
    else if (c >= u'a' && c <= u'f')
        value = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        value = c - u'A' + 10;
    return value < base ? value : -1;
}

double readInteger(Characters &in, int base) {
    double value = 0;
    for (int digit; (digit = digitValue(in.peek(), base)) >= 0; in.next())
        value = value * base + digit;
    return value;
}

// The C library's reading, whatever locale the program runs in: a decimal point, and an
// infinity for a number too large for a double.
double toDouble(const std::string &number) {
    static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
    return strtod_l(number.c_str(), nullptr, c);
}

bool isDecimalDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Appends the digits that follow; tells whether there was at least one.
bool copyDigits(Characters &in, std::string &out) {
    bool any = false;
    for (; isDecimalDigit(in.peek()); in.next()) {
        out += char(in.peek());
        any = true;
    }
    return any;
}

} // namespace

double ReadNumber(std::u16string_view text) {
    Characters in(text);
    if (in.take(u'&')) {
        if (in.take(u'H'))
            return readInteger(in, 16);
        if (in.take(u'O'))
            return readInteger(in, 8);
        return 0;
    }
    std::string number;
    if (in.peek() == u'-' || in.peek() == u'+') {
        number += char(in.peek());
        in.next();
    }
    bool digits = copyDigits(in, number);
    if (in.take(u'.')) {
        number += '.';
        digits = copyDigits(in, number) || digits;
    }
    if (!digits)
        return 0;
    if (in.take(u'E') || in.take(u'D')) {
        std::string exponent("e");
        if (in.peek() == u'-' || in.peek() == u'+') {
            exponent += char(in.peek());
            in.next();
        }
        if (copyDigits(in, exponent))
            number += exponent;
    }
    return toDouble(number);
}
