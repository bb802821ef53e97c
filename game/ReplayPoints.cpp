#include "ReplayPoints.h"

#include "engine/Story.h"

#include <algorithm>
#include <bit>

// Copies at `distance` entries back are kept every kEvery << bit_width(distance / (kEvery *
// kNear)) entries: kNear copies at each spacing, the spacing doubling further back.
bool ReplayPoints::KeptAt(std::size_t position, std::size_t now) {
    if (position > now)
        return false;
    const int thinning = std::bit_width((now - position) / (kEvery * kNear));
    return position % (kEvery << thinning) == 0;
}

ReplayPoints::ReplayPoints() = default;
ReplayPoints::ReplayPoints(ReplayPoints &&) noexcept = default;
ReplayPoints &ReplayPoints::operator=(ReplayPoints &&) noexcept = default;
ReplayPoints::~ReplayPoints() = default;

void ReplayPoints::Keep(std::size_t position, int turns, const Story &story,
                        const Relay::Shown &shown) {
    StandAt(position);
    if (!m_points.empty() && m_points.back().position == position)
        return;
    auto copy = std::make_unique<Story>(story);
    // A copy never asks a player who may be gone by the time it plays on.
    copy->SetInterruption({});
    m_points.push_back({position, turns, std::move(copy), shown});
}

const ReplayPoints::Point *ReplayPoints::Nearest(std::size_t position) const {
    const auto after = std::upper_bound(
        m_points.begin(), m_points.end(), position,
        [](std::size_t wanted, const Point &point) { return wanted < point.position; });
    return after == m_points.begin() ? nullptr : &*std::prev(after);
}

void ReplayPoints::StandAt(std::size_t position) {
    std::erase_if(m_points,
                  [position](const Point &point) { return !KeptAt(point.position, position); });
}

void ReplayPoints::Clear() {
    m_points.clear();
}

void ReplayPoints::Join(ReplayPoints &&later) {
    for (Point &point : later.m_points)
        m_points.push_back(std::move(point));
    later.m_points.clear();
}
