#include "TerminalConsole.h"

#include "TerminalText.h"
#include "Transcript.h"
#include "engine/Text.h"

#include <unistd.h>

TerminalConsole::TerminalConsole(bool interactive, MessageTarget messages, std::u16string where)
    : m_interactive(interactive), m_messages(messages), m_where(std::move(where)),
      m_outToTerminal(isatty(STDOUT_FILENO)),
      m_errToTerminal(isatty(STDERR_FILENO)), m_out(STDOUT_FILENO), m_err(STDERR_FILENO) {}

void TerminalConsole::writeOut(std::u16string_view text) {
    if (text.empty())
        return;
    m_bytes.clear();
    if (m_outToTerminal)
        AppendUtf8(ForTerminal(text), m_bytes);
    else
        AppendTranscript(text, m_bytes);
    m_out.Write(m_bytes);
    m_atLineStart = m_bytes.ends_with('\n');
}

void TerminalConsole::AddText(std::u16string_view text) {
    writeOut(text);
}

void TerminalConsole::Enter() {
    writeOut(u"\n");
}

// Piped output is a transcript, in which clearing writes nothing.
void TerminalConsole::ClearText() {
    if (!m_interactive)
        return;
    m_out.Write("\x1b[H\x1b[2J");
    m_atLineStart = true;
}

void TerminalConsole::EchoTyped(std::u16string_view echo) {
    if (!m_interactive)
        Console::EchoTyped(echo);
}

// The story goes on at once, as if the author had pressed OK.
void TerminalConsole::Show(const AuthorMessage &message) {
    if (m_messages == MessageTarget::None)
        return;
    if (m_messages == MessageTarget::Stdout) {
        if (!m_atLineStart)
            writeOut(u"\n");
        writeOut(MessageRecord(message, m_where));
        return;
    }
    m_out.Flush(); // keeps the story's text and the messages in order on one screen
    const std::u16string text = MessageRecord(message, m_where);
    m_err.Write(ToUtf8(m_errToTerminal ? ForTerminal(text) : text));
    m_err.Flush();
}

void TerminalConsole::Notice(std::u16string_view text) {
    m_out.Flush();
    const std::u16string line = u"zuft-cli: " + std::u16string(text) + u'\n';
    m_err.Write(ToUtf8(m_errToTerminal ? ForTerminal(line) : line));
    m_err.Flush();
}

void TerminalConsole::Explain(std::u16string_view text) {
    m_out.Flush();
    const std::u16string lines = std::u16string(text) + u'\n';
    m_err.Write(ToUtf8(m_errToTerminal ? ForTerminal(lines) : lines));
    m_err.Flush();
}

// The prompt starts a line of its own, also after a text printed without a line break.
void TerminalConsole::Prompt() {
    if (!m_interactive)
        return;
    if (!m_atLineStart)
        writeOut(u"\n");
    writeOut(u">");
    m_out.Flush();
}

void TerminalConsole::LineTyped() {
    if (m_interactive)
        m_atLineStart = true;
}
