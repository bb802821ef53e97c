#pragma once

#include <span>
#include <string>
#include <vector>

// The lines the player typed in a game, oldest first: the input line's history. A turn adds its
// line; a turn or a restart after an undo drops the lines that were undone; a restore brings the
// lines of another game. It is kept as the game goes, so that a turn late in a long game costs
// no more than an early one, and a host keeps its own copy up to date the same way.
class TypedLines {
public:
    // How far a host's copy was brought up to date.
    struct Seen {
        unsigned edition = 0;
        std::size_t count = 0;
    };
    // What a host's copy lacks: the lines to add to it, after emptying it when `anew`.
    struct News {
        bool anew = false;
        std::span<const std::u16string> lines;
    };

    const std::vector<std::u16string> &Lines() const { return m_lines; }
    // What changed since `seen`, which is brought up to now.
    News Since(Seen &seen) const;

    void Add(std::u16string line) { m_lines.push_back(std::move(line)); }
    void DropLast(std::size_t count);
    void Replace(std::vector<std::u16string> lines);

private:
    std::vector<std::u16string> m_lines;
    // Counts every change other than a line added: a copy made in another edition is made anew.
    unsigned m_edition = 1;
};
