#pragma once

#include <string>
#include <string_view>

// A story's text broken into lines of a terminal's width at the spaces between words, as
// players of text games expect: a word is split only when it is longer than a whole line. A
// story may print a word in parts, so the end of the text is held until the word's end is seen
// or until Flush.
class WordWrap {
public:
    // Adds the text (its line breaks already "\n") and appends to `out` what can be shown now,
    // for a terminal `width` columns wide.
    void Add(std::u16string_view text, int width, std::u16string &out);
    // Shows the word held back: something else is shown after it (the prompt, a message).
    void Flush(int width, std::u16string &out);
    // Whether the text so far, held words included, ends at a line's start.
    bool AtLineStart() const { return m_column == 0 && m_word.empty(); }
    // The cursor has gone to a line's start by other means (Enter, a cleared screen); whatever
    // was held is gone with the line.
    void StartLine();

private:
    void place(int width, std::u16string &out);
    int spacesWidth() const;

    int m_column = 0;        // where the next character goes on the terminal's line
    std::u16string m_spaces; // the spaces before the held word, shown only if it fits after them
    std::u16string m_word;
    int m_wordWidth = 0;
    bool m_splitting = false; // the held word goes on a word too long for a line
};
