#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// How the bytes of a story file become characters.
enum class StoryEncoding {
    Detect, // UTF-8 when the file says so (a byte-order mark) or reads as it; else Windows-1251
    Windows1251, // one character per byte, as stories have always been written
    Utf8
};

// The encoding an option names: utf-8 (or utf8), cp1251 (or windows-1251). False for another.
bool ParseStoryEncoding(std::string_view name, StoryEncoding &encoding);

// A story file as loaded: its lines and what is known of them once and for all. It never changes
// after loading, so every game of the story may share it.
struct Script {
    // LineCount + 1 entries: the file's lines without their line breaks, then one empty entry, so
    // that a label search over 0..LineCount stays inside the table.
    std::vector<std::u16string> lines;
    // Each label line, lower-cased, and the last line that carries it.
    std::unordered_map<std::u16string, int> labels;
    std::uint64_t digest = 0; // of the file's bytes
    StoryEncoding encoding = StoryEncoding::Windows1251;

    int LineCount() const { return int(lines.size()) - 1; }
};

// The story before one is loaded: no lines, nothing to run.
std::shared_ptr<const Script> EmptyScript();

// The most lines and bytes a story may have.
constexpr int kMaxLineCount = 32767;
constexpr std::int64_t kMaxStoryBytes = 64 << 20;

// Why a story could not be loaded: what went wrong and, where known, a detail.
struct StoryFileError {
    std::u16string what;
    std::u16string detail;

    // Both, as one sentence.
    std::u16string Sentence() const {
        std::u16string sentence = what;
        if (!detail.empty())
            sentence.append(u" ").append(detail);
        return sentence;
    }
};

// CR ends a line, LF is dropped wherever it stands, every other character belongs to its line.
// More than the largest story is refused.
std::shared_ptr<const Script> DecodeScript(std::string_view bytes, StoryEncoding encoding,
                                           StoryFileError &error);
// Reads at most one byte more than a story may have, whatever the file system says of the file.
std::shared_ptr<const Script> ReadScript(const std::string &path, StoryEncoding encoding,
                                         StoryFileError &error);
