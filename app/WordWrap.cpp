#include "WordWrap.h"

#include <algorithm>

// The columns a letter takes: two for the wide letters of East Asian scripts, none for the marks
// that combine with the letter before them.
#ifdef __EMSCRIPTEN__
#include <cwchar>

namespace {
int columns(char32_t point) {
    return std::max(0, wcwidth(wchar_t(point)));
}
} // namespace
#else
#include <utf8proc.h>

namespace {
int columns(char32_t point) {
    return std::max(0, utf8proc_charwidth(utf8proc_int32_t(point)));
}
} // namespace
#endif

namespace {

constexpr int kTabStop = 8;

bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c < 0xE000;
}

// The letter that starts at `at`, and how many code units it takes: two for a surrogate pair.
char32_t letterAt(std::u16string_view text, std::size_t at, std::size_t &units) {
    const char16_t c = text[at];
    units = 1;
    if (c < 0xD800 || c >= 0xDC00 || at + 1 == text.size() || !isLowSurrogate(text[at + 1]))
        return c;
    units = 2;
    return 0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(text[at + 1]) - 0xDC00);
}

} // namespace

int WordWrap::spacesWidth() const {
    int column = m_column;
    for (char16_t space : m_spaces)
        column = space == u'\t' ? (column / kTabStop + 1) * kTabStop : column + 1;
    return column - m_column;
}

// The held word goes on this line after its spaces if it fits there, else at the start of the
// next one; a word longer than a whole line is split where each line ends.
void WordWrap::place(int width, std::u16string &out) {
    if (m_word.empty())
        return;
    const int spaces = spacesWidth();
    // The rest of a word split already goes on where its start ended.
    if (!m_splitting && m_column > 0 && m_column + spaces + m_wordWidth > width) {
        out += u'\n';
        m_column = 0;
    } else {
        out += m_spaces;
        m_column += spaces;
    }
    m_spaces.clear();
    if (m_column + m_wordWidth <= width) {
        out += m_word;
        m_column += m_wordWidth;
    } else {
        std::size_t units = 0;
        for (std::size_t i = 0; i < m_word.size(); i += units) {
            const int wide = columns(letterAt(m_word, i, units));
            if (m_column > 0 && m_column + wide > width) {
                out += u'\n';
                m_column = 0;
            }
            out.append(m_word, i, units);
            m_column += wide;
        }
    }
    m_word.clear();
    m_wordWidth = 0;
}

void WordWrap::Add(std::u16string_view text, int width, std::u16string &out) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < text.size(); i += units) {
        const char32_t c = letterAt(text, i, units);
        if (c == u'\n') {
            place(width, out);
            m_splitting = false;
            out += u'\n';
            m_spaces.clear(); // spaces at a line's end show nothing
            m_column = 0;
        } else if (c == u' ' || c == u'\t') {
            place(width, out);
            m_splitting = false;
            m_spaces += c;
        } else {
            m_word.append(text, i, units);
            m_wordWidth += columns(c);
            // A word that cannot fit on any line is split at once, rather than held whole.
            if (m_wordWidth > width) {
                place(width, out);
                m_splitting = true;
            }
        }
    }
}

void WordWrap::Flush(int width, std::u16string &out) {
    place(width, out);
    m_splitting = false;
}

void WordWrap::StartLine() {
    m_column = 0;
    m_splitting = false;
    m_spaces.clear();
    m_word.clear();
    m_wordWidth = 0;
}
