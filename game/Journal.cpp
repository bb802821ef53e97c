#include "Journal.h"

#include <atomic>

namespace {

std::uint64_t newRevision() {
    static std::atomic<std::uint64_t> last = 0;
    return ++last;
}

} // namespace

Journal::Journal() : m_revision(newRevision()) {}

void Journal::Add(JournalEntry entry) {
    if (m_position < m_entries.size()) {
        for (std::size_t i = m_position; i < m_entries.size(); ++i)
            m_typed -= m_entries[i].kind == JournalEntry::Kind::Turn;
        m_entries.resize(m_position);
        m_revision = newRevision();
    }
    m_typed += entry.kind == JournalEntry::Kind::Turn;
    m_entries.push_back(std::move(entry));
    ++m_position;
}

const std::u16string &Journal::LastTypedLine() const {
    static const std::u16string none;
    for (auto entry = m_entries.rbegin(); entry != m_entries.rend(); ++entry)
        if (entry->kind == JournalEntry::Kind::Turn)
            return entry->line;
    return none;
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

TypedLinesFollower::Change TypedLinesFollower::Follow(const Journal &journal) {
    const std::size_t count = journal.TypedCount();
    Change change;
    if (journal.LinesRevision() != m_revision || count < m_count || count > m_count + 1) {
        change.replaced = true;
        change.added = journal.TypedLines();
    } else if (count == m_count + 1) {
        change.added.push_back(journal.LastTypedLine());
    }
    m_revision = journal.LinesRevision();
    m_count = count;
    return change;
}
