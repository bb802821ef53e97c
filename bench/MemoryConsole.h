#pragma once

#include "engine/AuthorMessages.h"
#include "engine/Console.h"

#include <QString>

// A console that holds its text in memory, as the game window's box holds it, and counts the
// messages to the author instead of showing them.
class MemoryConsole : public Console, public AuthorMessages {
public:
    void AddText(const QString &text) override { m_text += text; }
    void Enter() override { m_text += QStringLiteral("\r\n"); }
    void ClearText() override { m_text.clear(); }
    void Show(const AuthorMessage &) override { ++m_messages; }

    const QString &text() const { return m_text; }
    int messages() const { return m_messages; }

private:
    QString m_text;
    int m_messages = 0;
};
