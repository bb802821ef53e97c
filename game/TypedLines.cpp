#include "TypedLines.h"

TypedLines::News TypedLines::Since(Seen &seen) const {
    News news;
    news.anew = seen.edition != m_edition;
    news.lines = std::span(m_lines).subspan(news.anew ? 0 : seen.count);
    seen = {m_edition, m_lines.size()};
    return news;
}

void TypedLines::DropLast(std::size_t count) {
    if (count == 0)
        return;
    m_lines.resize(m_lines.size() - count);
    ++m_edition;
}

void TypedLines::Replace(std::vector<std::u16string> lines) {
    m_lines = std::move(lines);
    ++m_edition;
}
