#include "TerminalConsole.h"

#include "TerminalText.h"
#include "Transcript.h"
#include "engine/Text.h"

#include <unistd.h>

TerminalConsole::TerminalConsole(bool interactive, MessageTarget messages, std::u16string where)
    : m_interactive(interactive), m_messages(messages), m_where(std::move(where)),
      m_outToTerminal(isatty(STDOUT_FILENO)), m_errToTerminal(isatty(STDERR_FILENO)),
      m_width(STDOUT_FILENO), m_out(STDOUT_FILENO), m_err(STDERR_FILENO) {}

void TerminalConsole::writeOut(std::u16string_view text) {
    if (text.empty())
        return;
    m_bytes.clear();
    if (!m_outToTerminal) {
        AppendTranscript(text, m_bytes);
        m_atLineStart = m_bytes.ends_with('\n');
    } else if (const int width = m_width.Columns(); width > 0) {
        m_shown.clear();
        m_wrap.Add(ForTerminal(text), width, m_shown);
        AppendUtf8(m_shown, m_bytes);
        m_atLineStart = m_wrap.AtLineStart();
    } else {
        AppendUtf8(ForTerminal(text), m_bytes);
        m_atLineStart = m_bytes.ends_with('\n');
    }
    m_out.Write(m_bytes);
}

// The word the wrapping holds back is shown before anything else is.
void TerminalConsole::showHeld() {
    if (!m_outToTerminal)
        return;
    m_shown.clear();
    m_wrap.Flush(m_width.Columns(), m_shown);
    m_out.Write(ToUtf8(m_shown));
}

// What zuft-cli says itself goes to standard error, after what the game printed, so that the
// story's text and the messages stay in order on one screen.
void TerminalConsole::writeErr(std::u16string_view text) {
    showHeld();
    const bool oneScreen = m_outToTerminal && m_errToTerminal;
    if (oneScreen && !m_atLineStart)
        writeOut(u"\n");
    m_out.Flush();
    if (!m_errToTerminal) {
        m_err.Write(ToUtf8(text));
    } else if (const int width = oneScreen ? m_width.Columns() : 0; width > 0) {
        WordWrap wrap;
        std::u16string shown;
        wrap.Add(ForTerminal(text), width, shown);
        wrap.Flush(width, shown);
        m_err.Write(ToUtf8(shown));
    } else {
        m_err.Write(ToUtf8(ForTerminal(text)));
    }
    m_err.Flush();
    if (oneScreen) {
        m_wrap.StartLine();
        m_atLineStart = true;
    }
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
    m_wrap.StartLine();
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
    writeErr(MessageRecord(message, m_where));
}

void TerminalConsole::Notice(std::u16string_view text) {
    writeErr(u"zuft-cli: " + std::u16string(text) + u'\n');
}

void TerminalConsole::Explain(std::u16string_view text) {
    writeErr(std::u16string(text) + u'\n');
}

void TerminalConsole::StartLine() {
    if (!m_interactive)
        return;
    showHeld();
    if (!m_atLineStart)
        writeOut(u"\n");
    m_out.Flush();
}

void TerminalConsole::Prompt() {
    if (!m_interactive)
        return;
    StartLine();
    m_out.Write(">");
    m_out.Flush();
}

void TerminalConsole::LineTyped() {
    if (!m_interactive)
        return;
    m_wrap.StartLine();
    m_atLineStart = true;
}

void TerminalConsole::Leave() {
    if (!m_interactive)
        return;
    m_out.Write("\n");
    m_out.Flush();
}
