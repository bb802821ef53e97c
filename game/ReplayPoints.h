#pragma once

#include "Relay.h"

#include <cstddef>
#include <memory>
#include <vector>

class Story;

// Copies of the story and of its screen as some entries of the journal left them, so that
// taking a turn back plays only the turns since the nearest copy, not the whole game from its
// opening. A copy is made every kEvery entries; the kNear latest of them are all kept, further
// back ever fewer: every second one beyond that, every fourth beyond twice that, and so on. A
// game of any length keeps a few dozen copies, and the first turn taken back plays at most
// kEvery turns again.
class ReplayPoints {
public:
    static constexpr std::size_t kEvery = 256;
    static constexpr std::size_t kNear = 4;

    struct Point {
        std::size_t position = 0; // the entries played before the copy was made
        int turns = 0;            // of them, the turns (the others are restarts)
        std::unique_ptr<Story> story;
        Relay::Shown shown;
    };

    ReplayPoints();
    ReplayPoints(ReplayPoints &&) noexcept;
    ReplayPoints &operator=(ReplayPoints &&) noexcept;
    ~ReplayPoints();

    // Whether a copy is due at this position.
    static bool Due(std::size_t position) { return position > 0 && position % kEvery == 0; }
    // Whether a copy made at `position` is still kept when the game stands at `now`.
    static bool KeptAt(std::size_t position, std::size_t now);
    // Keeps a copy of `story` and of the screen made at `position`, the game's latest entry.
    void Keep(std::size_t position, int turns, const Story &story, const Relay::Shown &shown);
    // The latest copy at or before `position`, or none.
    const Point *Nearest(std::size_t position) const;
    // The game stands at `position` now: the copies after it are of turns taken back, and
    // those too close to the ones beside them for their distance from it are let go.
    void StandAt(std::size_t position);
    // The copies made while the game was played again from a copy: they follow this one's.
    void Join(ReplayPoints &&later);
    void Clear();
    std::size_t Count() const { return m_points.size(); }

private:
    std::vector<Point> m_points; // by position
};
