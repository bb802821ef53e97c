#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// What the player did in a game, in order: every turn played and every restart. The engine
// plays the same lines the same way every time, so the journal alone rebuilds the game. Entries
// after the position are turns taken back, which can be played again.
struct JournalEntry {
    enum class Kind {
        Turn,
        Restart
    };
    Kind kind = Kind::Turn;
    std::u16string line;      // the typed line of a turn
    std::uint32_t answer = 0; // the digest of what the turn printed and told the author

    bool operator==(const JournalEntry &) const = default;
};

class Journal {
public:
    Journal();

    // A new entry: the entries that could have been played again are dropped.
    void Add(JournalEntry entry);
    bool CanUndo() const { return m_position > 0; }
    bool CanRedo() const { return m_position < m_entries.size(); }
    void Undo() { --m_position; }
    void Redo() { ++m_position; }

    // The entries in effect since the last restart among them: what rebuilds the game as it
    // stands.
    std::span<const JournalEntry> SinceOpening() const;
    const std::vector<JournalEntry> &Entries() const { return m_entries; }
    std::size_t Position() const { return m_position; }
    void SetPosition(std::size_t position) { m_position = position; }
    std::vector<JournalEntry> &Edit() { return m_entries; }

    // The lines the player typed, oldest first, for the input line's history.
    std::vector<std::u16string> TypedLines() const;
    std::size_t TypedCount() const { return m_typed; }
    const std::u16string &LastTypedLine() const;
    // Changes whenever typed lines are dropped, and differs from every other journal's: while
    // it stays the same, lines were only added at the end.
    std::uint64_t LinesRevision() const { return m_revision; }

private:
    std::vector<JournalEntry> m_entries;
    std::size_t m_position = 0;
    std::size_t m_typed = 0;
    std::uint64_t m_revision;
};

// Follows the lines typed in a game for a host that keeps them, say for its input line's Up and
// Down, so that a turn hands over its one line, not every line of the game.
class TypedLinesFollower {
public:
    struct Change {
        bool replaced = false;             // the lines the host has are not the game's any more
        std::vector<std::u16string> added; // to add after them, or in their place
    };
    Change Follow(const Journal &journal);

private:
    std::uint64_t m_revision = 0;
    std::size_t m_count = 0;
};
