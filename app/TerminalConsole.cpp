#include "TerminalConsole.h"

#include "TerminalText.h"

#include <iostream>
#include <string>
#include <unistd.h>

namespace {

QByteArray utf8For(bool terminal, const QString &text) {
    return (terminal ? ForTerminal(text) : text).toUtf8();
}

} // namespace

// Standard output is flushed before every prompt and every message to the author, so a turn's
// answer reaches the terminal in one write rather than one per line.
TerminalConsole::TerminalConsole(bool interactive, MessageTarget messages)
    : m_interactive(interactive), m_messages(messages), m_outToTerminal(isatty(STDOUT_FILENO)),
      m_errToTerminal(isatty(STDERR_FILENO)) {
    std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
}

void TerminalConsole::writeOut(const QByteArray &bytes) {
    if (bytes.isEmpty())
        return;
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    m_atLineStart = bytes.endsWith('\n');
}

void TerminalConsole::AddText(const QString &text) {
    if (m_outToTerminal)
        writeOut(ForTerminal(text).toUtf8());
    else if (text.contains(u'\r'))
        writeOut(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toUtf8());
    else
        writeOut(text.toUtf8());
}

void TerminalConsole::Enter() {
    writeOut(QByteArrayLiteral("\n"));
}

// Piped output is a transcript, in which clearing writes nothing.
void TerminalConsole::ClearText() {
    if (!m_interactive)
        return;
    std::fputs("\x1b[H\x1b[2J", stdout);
    m_atLineStart = true;
}

void TerminalConsole::EchoTyped(const QString &echo) {
    if (!m_interactive)
        Console::EchoTyped(echo);
}

// The story goes on at once, as if the author had pressed OK.
void TerminalConsole::Show(const AuthorMessage &message) {
    if (m_messages == MessageTarget::None)
        return;
    const QString record = u'[' + message.title + QStringLiteral("] ") +
                           QString(message.text).replace(u'\r', u'\n') + u'\n';
    if (m_messages == MessageTarget::Stdout) {
        if (!m_atLineStart)
            writeOut(QByteArrayLiteral("\n"));
        writeOut(utf8For(m_outToTerminal, record));
        return;
    }
    std::fflush(stdout); // keeps the story's text and the messages in order on one screen
    const QByteArray bytes = utf8For(m_errToTerminal, record);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

bool TerminalConsole::ReadLine(QString &line) {
    if (m_interactive) {
        // The prompt starts a line of its own, also after a text printed without a line break.
        if (!m_atLineStart)
            writeOut(QByteArrayLiteral("\n"));
        writeOut(QByteArrayLiteral(">"));
        std::fflush(stdout);
    }
    std::string bytes;
    if (!std::getline(std::cin, bytes))
        return false;
    if (m_interactive)
        m_atLineStart = true; // the player's Enter has ended the prompt's line
    if (!bytes.empty() && bytes.back() == '\r')
        bytes.pop_back();
    line = QString::fromStdString(bytes);
    return true;
}
