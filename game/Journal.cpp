#include "Journal.h"

void Journal::Add(JournalEntry entry) {
    m_entries.resize(m_position);
    m_entries.push_back(std::move(entry));
    ++m_position;
}

std::span<const JournalEntry> Journal::SinceOpening() const {
    std::size_t start = m_position;
    while (start > 0 && m_entries[start - 1].kind != JournalEntry::Kind::Restart)
        --start;
    return std::span(m_entries).subspan(start, m_position - start);
}

std::vector<std::u16string> Journal::TypedLines() const {
    std::vector<std::u16string> lines;
    for (const JournalEntry &entry : m_entries)
        if (entry.kind == JournalEntry::Kind::Turn)
            lines.push_back(entry.line);
    return lines;
}
