#include "ReplayPoints.h"

#include "engine/Story.h"

#include <algorithm>
#include <bit>

namespace {

// Copies at `distance` entries back are kept every kEvery << Thinning(distance) entries.
int thinning(std::size_t distance) {
    return std::bit_width(distance / (ReplayPoints::kEvery * ReplayPoints::kNear));
}

} // namespace

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
    std::erase_if(m_points, [position](const Point &point) {
        return point.position > position ||
               point.position % (kEvery << thinning(position - point.position)) != 0;
    });
}

void ReplayPoints::Clear() {
    m_points.clear();
}

void ReplayPoints::Join(ReplayPoints &&later) {
    for (Point &point : later.m_points)
        m_points.push_back(std::move(point));
    later.m_points.clear();
}
