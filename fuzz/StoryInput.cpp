#include "StoryInput.h"

namespace {

constexpr std::string_view kSeparator("\0\0", 2);

} // namespace

StoryInput StoryInput::Split(std::string_view input) {
    const std::size_t split = input.find(kSeparator);
    if (split == std::string_view::npos)
        return {input, {}, false};
    return {input.substr(0, split), input.substr(split + kSeparator.size()), true};
}

std::string StoryInput::Joined() const {
    std::string joined(story);
    if (played)
        joined.append(kSeparator).append(typed);
    return joined;
}
