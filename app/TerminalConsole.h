#pragma once

#include "OutputStream.h"
#include "TerminalWidth.h"
#include "WordWrap.h"
#include "engine/AuthorMessages.h"
#include "engine/Console.h"

#include <string>

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
// the typed line is not repeated and only "cls" clears it. A terminal gets the text broken into
// lines of its width between words.
class TerminalConsole : public Console, public AuthorMessages {
public:
    // `where`: the story's path, to start each message's record with "STORY:LINE: " (see
    // MessageRecord); empty for the plain records.
    TerminalConsole(bool interactive, MessageTarget messages, std::u16string where = {});

    void AddText(std::u16string_view text) override;
    void Enter() override;
    void ClearText() override;
    void EraseForTurn() override {}
    void EchoTyped(std::u16string_view echo) override;
    void Show(const AuthorMessage &message) override;

    // A line for the player from zuft-cli itself, on standard error after what the game printed.
    void Notice(std::u16string_view text);
    // A text for the player from zuft-cli itself, such as «Как играть», as it stands.
    void Explain(std::u16string_view text);
    // The prompt before the player's next line, in an interactive terminal.
    void Prompt();
    // The same when the line editor shows the prompt itself: the text so far is shown and the
    // prompt starts a line of its own.
    void StartLine();
    // The player has ended the prompt's line with Enter.
    void LineTyped();
    // The player has left at the prompt: the shell's own prompt comes on a line of its own.
    void Leave();
    // What the game printed has reached standard output; false when it could not be written.
    bool Flush() { return m_out.Flush(); }
    const OutputStream &Output() const { return m_out; }

private:
    void writeOut(std::u16string_view text);
    void writeErr(std::u16string_view text);
    void showHeld();

    bool m_interactive;
    MessageTarget m_messages;
    std::u16string m_where;
    // What goes to a terminal rather than a file or a pipe has its control characters shown
    // as pictures; a transcript keeps the story's text as it is.
    bool m_outToTerminal;
    bool m_errToTerminal;
    bool m_atLineStart = true;
    TerminalWidth m_width;
    WordWrap m_wrap;
    OutputStream m_out;
    OutputStream m_err;
    std::string m_bytes;    // reused for every conversion to UTF-8
    std::u16string m_shown; // reused for every text wrapped for the terminal
};
