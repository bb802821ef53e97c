#pragma once

#include <string>
#include <string_view>

// One input of the story fuzzer: the bytes of a story file, two NUL bytes, then the player's
// lines, one per LF, in the story's code page. An input without the two NUL bytes is a story
// that nobody plays.
struct StoryInput {
    std::string_view story;
    std::string_view typed;
    bool played = false; // the two NUL bytes are there, even with no line after them

    static StoryInput Split(std::string_view input);
    std::string Joined() const;
};
