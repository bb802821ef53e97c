#include "WidgetConsole.h"

#include "game/ScreenText.h"
#include "qt/QtText.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <utility>

WidgetConsole::WidgetConsole(QPlainTextEdit &output, QLineEdit &input)
    : m_output(output), m_input(input) {}

void WidgetConsole::AddText(std::u16string_view text) {
    if (text.empty())
        return;
    m_pending += ToQString(text);
    m_caretToStart = true;
    if (m_pending.size() > 2 * qsizetype(kMostShown))
        keepOnlyTheEnd(qsizetype(kMostShown));
}

// Drops all but the last characters pending, from a line's start where one is near, and what
// the box shows of this turn so far, which came before them.
void WidgetConsole::keepOnlyTheEnd(qsizetype characters) {
    qsizetype from = m_pending.size() - characters;
    const qsizetype lineStart = m_pending.indexOf(u'\n', from);
    if (lineStart >= 0 && lineStart < from + characters / 2)
        from = lineStart + 1;
    m_pending.remove(0, from);
    m_clearBox = true;
    m_cut = true;
}

void WidgetConsole::Enter() {
    AddText(u"\r\n");
}

void WidgetConsole::ClearText() {
    m_pending.clear();
    m_clearBox = true;
    m_cut = false;
    m_caretToStart = true;
}

// The end of a turn: what it printed shows from its start (see the class comment); a blank line,
// which printed nothing, leaves the view where the player scrolled it.
void WidgetConsole::ShowEnd() {
    Flush();
}

void WidgetConsole::RefillInput(std::u16string_view text) {
    m_input.setText(ToQString(text));
    m_input.end(false);
}

void WidgetConsole::Flush() {
    if (m_boxCharacters + m_pending.size() > qsizetype(kMostShown)) {
        if (m_pending.size() > qsizetype(kMostShown))
            keepOnlyTheEnd(qsizetype(kMostShown));
        m_clearBox = true;
        m_cut = true;
    }
    if (m_clearBox) {
        m_output.clear();
        m_lines.restart();
        m_boxCharacters = 0;
        m_clearBox = false;
    }
    if (m_cut) {
        m_pending.prepend(ToQString(kCutNote));
        m_cut = false;
    }
    m_boxCharacters += m_pending.size();
    if (!m_pending.isEmpty())
        appendToBox(std::exchange(m_pending, QString()));
    placeCaret();
}

void WidgetConsole::appendToBox(const QString &text) {
    QString lines;
    lines.reserve(text.size());
    m_lines.add(text, lines);
    QTextCursor end(m_output.document());
    end.movePosition(QTextCursor::End);
    end.insertText(lines);
}

void WidgetConsole::placeCaret() {
    if (!std::exchange(m_caretToStart, false))
        return;
    m_output.setTextCursor(QTextCursor(m_output.document()));
    m_output.verticalScrollBar()->setValue(0);
}
