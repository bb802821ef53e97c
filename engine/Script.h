#pragma once

#include "AuthorMessages.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// How the bytes of a story file become characters.
enum class StoryEncoding {
    // UTF-16 when the file starts with its byte-order mark; UTF-8 when it starts with that one,
    // or reads as UTF-8 (a file of ASCII alone does); else Windows-1251
    Detect,
    Windows1251, // one character per byte, as stories have always been written
    Utf8,
    Utf16 // only ever told by a byte-order mark, which says little- or big-endian
};

// The encoding an option names, in any case and with or without "-" or "_": utf-8 (utf8),
// cp1251 (windows-1251, win1251). False for another.
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
    // Windows-1251 only: the lines (counted from 1) that hold an LF without a CR before it. The
    // LF is dropped there, so what an editor shows as two lines or more is one line here.
    std::vector<int> joinedLines;
    // A file read as Windows-1251 although it is UTF-8 but for a few bytes: the first of those
    // bytes, and the line an editor that reads UTF-8 shows it on (counted from 1; 0: no such
    // file).
    struct StrayByte {
        int line = 0;
        unsigned char byte = 0;
    } strayByte;

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

// In Windows-1251, CR ends a line and LF is dropped wherever it stands, as stories have always
// been read; in UTF-8 and UTF-16, Zuft's own additions, CR LF, CR and LF each end a line. Every
// other character belongs to its line. More than the largest story is refused.
std::shared_ptr<const Script> DecodeScript(std::string_view bytes, StoryEncoding encoding,
                                           StoryFileError &error);
// Reads a plain file of at most the largest story's size, whatever the file system says of it.
std::shared_ptr<const Script> ReadScript(const std::string &path, StoryEncoding encoding,
                                         StoryFileError &error);
// The same, telling the author why when there is no story.
std::shared_ptr<const Script> LoadScript(std::string_view bytes, std::u16string_view filename,
                                         StoryEncoding encoding, AuthorMessages &messages);
std::shared_ptr<const Script> LoadScriptFile(const std::string &path, StoryEncoding encoding,
                                             AuthorMessages &messages);
