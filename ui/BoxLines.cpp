#include "BoxLines.h"

void BoxLines::add(QStringView text, QString &out) {
    qsizetype start = m_endsWithCr && text.startsWith(u'\n') ? 1 : 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        addLine(text.sliced(start, end - start), out);
        if (end == text.size())
            break;
        if (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n')
            ++end;
        endLine(out);
        start = end + 1;
    }
    if (!text.isEmpty())
        m_endsWithCr = text.back() == u'\r';
}

void BoxLines::addLine(QStringView line, QString &out) {
    while (m_lineLength + line.size() > kLongestLine) {
        qsizetype take = kLongestLine - m_lineLength;
        const qsizetype space = line.first(take).lastIndexOf(u' ');
        if (space > take - 256 && space >= 0)
            take = space + 1;
        out += line.first(take);
        endLine(out);
        line = line.sliced(take);
    }
    out += line;
    m_lineLength += line.size();
}

void BoxLines::endLine(QString &out) {
    m_lineLength = 0;
    if (++m_linesInParagraph == kLinesPerParagraph) {
        m_linesInParagraph = 0;
        out += QChar::ParagraphSeparator;
    } else {
        out += QChar::LineSeparator;
    }
}
