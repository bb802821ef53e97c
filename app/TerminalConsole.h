#pragma once

#include "engine/AuthorMessages.h"
#include "engine/Console.h"

#include <QByteArray>
#include <cstdio>

// Where the terminal player sends the messages to the story's author.
enum class MessageTarget {
    Stderr,
    Stdout,
    None
};

// The console of a story played in a terminal. Standard output carries exactly the story's text
// in UTF-8, one "\n" per line break; each message to the author is one record
// "[title] text" with its lines broken by "\n". Piped, the output is the whole transcript of
// the game, echo included; in an interactive terminal the screen keeps scrolling between turns,
// the typed line is not repeated and only "cls" clears it.
class TerminalConsole : public Console, public AuthorMessages {
public:
    TerminalConsole(bool interactive, MessageTarget messages);

    void AddText(const QString &text) override;
    void Enter() override;
    void ClearText() override;
    void EraseForTurn() override {}
    void EchoTyped(const QString &echo) override;
    void Show(const AuthorMessage &message) override;

    // The player's next line (UTF-8, a trailing CR dropped); false at the end of input.
    bool ReadLine(QString &line);

private:
    void writeOut(const QByteArray &bytes);

    bool m_interactive;
    MessageTarget m_messages;
    // What goes to a terminal rather than a file or a pipe has its control characters shown
    // as pictures; a transcript keeps the story's text as it is.
    bool m_outToTerminal;
    bool m_errToTerminal;
    bool m_atLineStart = true;
};
