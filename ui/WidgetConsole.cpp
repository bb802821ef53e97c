#include "WidgetConsole.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <utility>

WidgetConsole::WidgetConsole(QPlainTextEdit &output, QLineEdit &input)
    : m_output(output), m_input(input) {}

void WidgetConsole::AddText(const QString &text) {
    if (text.isEmpty())
        return;
    m_pending += text;
    m_caret = Caret::AtStart;
}

void WidgetConsole::Enter() {
    AddText(QStringLiteral("\r\n"));
}

void WidgetConsole::ClearText() {
    m_pending.clear();
    m_clearBox = true;
    m_caret = Caret::AtStart;
}

void WidgetConsole::ShowEnd() {
    m_caret = Caret::AtEnd;
    Flush();
}

void WidgetConsole::RefillInput(const QString &text) {
    m_input.setText(text);
    m_input.end(false);
}

void WidgetConsole::Flush() {
    if (m_clearBox) {
        m_output.clear();
        m_boxEndsWithCr = false;
        m_linesInParagraph = 0;
        m_clearBox = false;
    }
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
