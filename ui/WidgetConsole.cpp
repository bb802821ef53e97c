#include "WidgetConsole.h"

#include "QtText.h"

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
    m_caret = Caret::AtStart;
    if (m_pending.size() > 2 * kMaxShown)
        keepOnlyTheEnd(kMaxShown);
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
    m_caret = Caret::AtStart;
}

void WidgetConsole::ShowEnd() {
    m_caret = Caret::AtEnd;
    Flush();
}

void WidgetConsole::RefillInput(std::u16string_view text) {
    m_input.setText(ToQString(text));
    m_input.end(false);
}

void WidgetConsole::Flush() {
    if (m_boxCharacters + m_pending.size() > kMaxShown) {
        if (m_pending.size() > kMaxShown)
            keepOnlyTheEnd(kMaxShown);
        m_clearBox = true;
        m_cut = true;
    }
    if (m_clearBox) {
        m_output.clear();
        m_boxEndsWithCr = false;
        m_linesInParagraph = 0;
        m_boxCharacters = 0;
        m_clearBox = false;
    }
    if (m_cut) {
        m_pending.prepend(QStringLiteral("[…] Начало вывода этого хода не показано: он слишком "
                                         "длинный.\r\n"));
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
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') {
            lines += c;
            continue;
        }
        if (c == u'\n' && i == 0 && m_boxEndsWithCr)
            continue;
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        if (++m_linesInParagraph == kLinesPerParagraph) {
            m_linesInParagraph = 0;
            lines += QChar::ParagraphSeparator;
        } else {
            lines += QChar::LineSeparator;
        }
    }
    m_boxEndsWithCr = text.endsWith(u'\r');
    QTextCursor end(m_output.document());
    end.movePosition(QTextCursor::End);
    end.insertText(lines);
}

void WidgetConsole::placeCaret() {
    if (m_caret == Caret::Kept)
        return;
    QTextCursor caret(m_output.document());
    caret.movePosition(m_caret == Caret::AtEnd ? QTextCursor::End : QTextCursor::Start);
    m_output.setTextCursor(caret);
    m_output.ensureCursorVisible();
    // The last line stands at the foot of the box, not half hidden under it.
    if (m_caret == Caret::AtEnd)
        m_output.verticalScrollBar()->setValue(m_output.verticalScrollBar()->maximum());
    m_caret = Caret::Kept;
}
