// Reading a story file into its lines, and refusing what is no story.

#include "support/StoryHarness.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

TEST(Loading, CrEndsALineAndLfIsDropped) {
    const struct {
        std::string_view bytes;
        std::vector<std::u16string> lines; // with the empty entry after the last line
    } rows[] = {
        {"a\r\nb\r\n", {u"a", u"b", u"", u""}},
        {"a\r\nb", {u"a", u"b", u""}},
        {"", {u"", u""}},
        {"a\nb", {u"ab", u""}},
        {"a\rb", {u"a", u"b", u""}},
        {"a\r\r\nb", {u"a", u"", u"b", u""}},
        {"  p x\t", {u"  p x\t", u""}},
        // UTF-8 when it says so or reads as it, else Windows-1251
        {"\xEF\xBB\xBFpn \xD1\x8F", {u"pn я", u""}},
        {"pn \xD1\x8F\r\npn \xFF", {u"pn СЏ", u"pn я", u""}},
        {"\xEF\xBB\xBFpn \xFF", {u"pn \uFFFD", u""}},
    };
    for (const auto &row : rows) {
        StoryFileError error;
        const auto script = DecodeScript(row.bytes, StoryEncoding::Detect, error);
        ASSERT_TRUE(script);
        EXPECT_EQ(script->lines, row.lines) << row.bytes;
    }
}

TEST(Loading, TheLongestStoryRunsWholeAndOneLineMoreIsRefused) {
    StoryHarness h;
    ASSERT_TRUE(h.load({std::to_string(kMaxLineCount) + "× pn строка %"}));
    EXPECT_EQ(h.story.LineCount(), kMaxLineCount);
    EXPECT_TRUE(h.shown().ends_with("строка 32767\n"));
    EXPECT_TRUE(h.host.boxes.empty());
    StoryFileError error;
    EXPECT_FALSE(DecodeScript(std::string(kMaxLineCount, '\r'), StoryEncoding::Detect, error));
    EXPECT_EQ(error.what, u"В файле истории слишком много строк.");
}

// No file the player may name can stall the program, exhaust its memory or be created by it.
TEST(Loading, WhatIsNoStoryFileIsRefusedWithoutReadingIt) {
    char folderName[] = "/tmp/zuft-loading-XXXXXX";
    const std::filesystem::path folder = mkdtemp(folderName);
    const std::string missing = folder / "нет.teg", pipe = folder / "pipe.teg";
    const std::string huge = folder / "huge.teg";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const int fd = creat(huge.c_str(), 0600);
    ASSERT_EQ(ftruncate(fd, kMaxStoryBytes + 1), 0); // sparse: costs no disk
    close(fd);
    const struct {
        std::string path;
        std::u16string what;
    } rows[] = {
        {missing, u"Файл истории не найден."},
        {folder, u"Файл истории не удалось прочитать."},
        {pipe, u"Файл истории не удалось прочитать."},
        {"/dev/zero", u"Файл истории не удалось прочитать."},
        {huge, u"Файл истории слишком велик."},
        {"/proc/self/pagemap", u"Файл истории слишком велик."}, // says it is empty, reads on
    };
    for (const auto &row : rows) {
        StoryFileError error;
        EXPECT_FALSE(ReadScript(row.path, StoryEncoding::Detect, error)) << row.path;
        EXPECT_EQ(error.what, row.what) << row.path;
    }
    EXPECT_FALSE(std::filesystem::exists(missing));
    std::filesystem::remove_all(folder);
}
