#pragma once

#include "engine/StoryPort.h"

#include <array>
#include <string>
#include <string_view>

// The player at the keyboard: the line typed and sent with Enter, its words, and what they do: a
// built-in word («осм», «инв», «помощь»…), a direction, or a function of the room or an item,
// whose body the story runs. The player reaches the story only through its StoryPort.
class Player {
public:
    explicit Player(StoryPort &story) : m_story(story) {}

    // One turn. False when the line was blank and the press did nothing.
    bool Turn(std::u16string_view typedLine);

    const std::u16string &InputLine() const { return m_inputLine; }
    const std::u16string &Word(int index) const { return m_words[std::size_t(index)]; }
    int WordCount() const { return m_wordCount; }

private:
    void SplitWords();
    void ОбработкаСлов();
    void LookAtItem(std::u16string_view word);
    void ListInventory();
    void ListVariables();
    void MatchPhrase(bool knownVerb);
    bool ItemFunctionUsable(int item, FunctionKind kind) const;
    void ExplainNoMatch(bool knownVerb, bool itemRefuses);
    void ПопробоватьИдти(std::u16string_view Направление);

    StoryPort &m_story;
    std::u16string m_inputLine;
    std::array<std::u16string, 256> m_words; // entry 0 is never filled
    int m_wordCount = 0;
};
