// Mutations that keep the shape of a story fuzzer's input: each changes either the story or the
// player's lines, never the two NUL bytes between them, so that a changed story is still played
// with its lines and a changed line still typed into its story. Cross-overs put the story of one
// input with the lines of another.

#include "StoryInput.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t *data, std::size_t size, std::size_t maxSize);

namespace {

// libFuzzer's own mutations (bytes, the dictionary's words, parts of other inputs) of one part,
// in at most `room` bytes.
std::string mutated(std::string_view part, std::size_t room) {
    std::string bytes(std::max({room, part.size(), std::size_t(1)}), '\0');
    std::copy(part.begin(), part.end(), bytes.begin());
    bytes.resize(LLVMFuzzerMutate(reinterpret_cast<std::uint8_t *>(bytes.data()), part.size(),
                                  bytes.size()));
    return bytes;
}

std::size_t store(const StoryInput &input, std::uint8_t *data, std::size_t maxSize) {
    const std::string joined = input.Joined();
    const std::size_t size = std::min(joined.size(), maxSize);
    std::memcpy(data, joined.data(), size);
    return size;
}

} // namespace

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t *data, std::size_t size,
                                               std::size_t maxSize, unsigned seed) {
    StoryInput input = StoryInput::Split({reinterpret_cast<const char *>(data), size});
    std::minstd_rand random(seed);
    const bool changeStory = random() % 2 == 0;
    const std::size_t kept = changeStory ? input.typed.size() + 2 : input.story.size() + 2;
    const std::size_t room = maxSize > kept ? maxSize - kept : 0;
    std::string part;
    if (changeStory) {
        part = mutated(input.story, room);
        // Two NUL bytes written into the story would end it there.
        part.resize(std::min(part.size(), StoryInput::Split(part).story.size()));
        input.story = part;
    } else {
        part = mutated(input.typed, room);
        input.typed = part;
        input.played = true;
    }
    return store(input, data, maxSize);
}

extern "C" std::size_t LLVMFuzzerCustomCrossOver(const std::uint8_t *data1, std::size_t size1,
                                                 const std::uint8_t *data2, std::size_t size2,
                                                 std::uint8_t *out, std::size_t maxOutSize,
                                                 unsigned seed) {
    const StoryInput first = StoryInput::Split({reinterpret_cast<const char *>(data1), size1});
    const StoryInput second = StoryInput::Split({reinterpret_cast<const char *>(data2), size2});
    const bool firstStory = std::minstd_rand(seed)() % 2 == 0;
    const StoryInput &storyFrom = firstStory ? first : second;
    const StoryInput &linesFrom = firstStory ? second : first;
    return store({storyFrom.story, linesFrom.typed, true}, out, maxOutSize);
}
