#pragma once

#include "engine/AuthorMessages.h"
#include "engine/Console.h"

#include <string>

// A console that holds its text in memory, as the game window's box holds it, and counts the
// messages to the author instead of showing them.
class MemoryConsole : public Console, public AuthorMessages {
public:
    void AddText(std::u16string_view text) override { m_text += text; }
    void Enter() override { m_text += u"\r\n"; }
    void ClearText() override { m_text.clear(); }
    void Show(const AuthorMessage &) override { ++m_messages; }

    const std::u16string &text() const { return m_text; }
    int messages() const { return m_messages; }

private:
    std::u16string m_text;
    int m_messages = 0;
};
