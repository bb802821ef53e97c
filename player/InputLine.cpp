#include "Player.h"
#include "engine/Text.h"

#include <algorithm>

namespace {

// Empty, or nothing but 1 to 255 spaces: the press is ignored.
bool isBlank(std::u16string_view line) {
    return line.size() <= 255 &&
           std::all_of(line.begin(), line.end(), [](char16_t c) { return c == u' '; });
}

} // namespace

// One press of Enter: the console shows only this exchange, the line echoed, then what it did.
bool Player::Turn(std::u16string_view typedLine) {
    // The entries past the last line's words are empty already.
    for (int i = 0; i <= m_wordCount; ++i)
        m_words[std::size_t(i)].clear();
    m_story.console().ShowEnd();
    m_inputLine = typedLine;
    if (isBlank(m_inputLine))
        return false;
    m_story.StartTurn();
    m_story.console().EraseForTurn();
    m_story.console().EchoTyped(u'>' + m_inputLine);
    m_story.console().Enter();
    if (m_story.Spend(m_inputLine.size())) { // the line is read and lower-cased word by word
        SplitWords();
        ОбработкаСлов();
    }
    return true;
}

// Words are cut at every single space, so two spaces make an empty word between them. The table
// holds 255 words; the words of a longer line beyond that are ignored.
void Player::SplitWords() {
    constexpr int kLastWord = int(std::tuple_size_v<decltype(m_words)>) - 1;
    int count = 1;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= m_inputLine.size(); ++i) {
        if (i < m_inputLine.size() && m_inputLine[i] != u' ')
            continue;
        if (count <= kLastWord)
            m_words[std::size_t(count)] =
                LowerCase(std::u16string_view(m_inputLine).substr(start, i - start));
        start = i + 1;
        ++count;
    }
    m_wordCount = std::min(count - 1, kLastWord);
}
