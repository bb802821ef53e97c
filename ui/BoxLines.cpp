#include "BoxLines.h"

void BoxLines::add(QStringView text, QString &out) {
    qsizetype start = m_endsWithCr && text.startsWith(u'\n') ? 1 : 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        out += text.sliced(start, end - start);
        if (end == text.size())
            break;
        if (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n')
            ++end;
        if (++m_linesInParagraph == kLinesPerParagraph) {
            m_linesInParagraph = 0;
            out += QChar::ParagraphSeparator;
        } else {
            out += QChar::LineSeparator;
        }
        start = end + 1;
    }
    if (!text.isEmpty())
        m_endsWithCr = text.back() == u'\r';
}
