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
    StoryHarness over;
    EXPECT_FALSE(over.story.LoadBytes(std::string(kMaxLineCount, '\r')));
    EXPECT_EQ(over.takeErrors(),
              std::vector<std::string>{"В файле истории слишком много строк. … "
                                       "Строк: 32768, допустимо не более 32767."});
}

// No file the player may name can stall the program, exhaust its memory or be created by it.
TEST(Loading, WhatIsNoStoryFileIsRefusedWithoutReadingIt) {
    char folderName[] = "/tmp/zuft-loading-XXXXXX";
    const std::filesystem::path folder = mkdtemp(folderName);
    const std::string story = folder / "маяк.teg", missing = folder / "нет.teg";
    const std::string pipe = folder / "pipe.teg", huge = folder / "huge.teg";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    int fd = creat(huge.c_str(), 0600);
    ASSERT_EQ(ftruncate(fd, kMaxStoryBytes + 1), 0); // sparse: costs no disk
    close(fd);
    fd = creat(story.c_str(), 0600);
    ASSERT_EQ(write(fd, "pn \xCD\xEE\xF7\xFC\r\nwait", 13), 13);
    close(fd);
    const struct {
        std::string path;
        std::string refusal; // the box's first line, none for a story
    } rows[] = {
        {story, ""},
        {missing, "Файл истории не найден."},
        {story + "/", "Файл истории не удалось прочитать."},
        {folder, "Файл истории не удалось прочитать."},
        {pipe, "Файл истории не удалось прочитать."},
        {"/dev/zero", "Файл истории не удалось прочитать."},
        {"/proc/self/mem", "Файл истории не удалось прочитать."}, // a read fails
        {huge, "Файл истории слишком велик."},
        {"/proc/self/pagemap", "Файл истории слишком велик."}, // says it is empty, reads on
    };
    for (const auto &row : rows) {
        StoryHarness h;
        EXPECT_EQ(h.story.LoadFile(row.path), row.refusal.empty()) << row.path;
        EXPECT_EQ(h.shown(), row.refusal.empty() ? "Ночь\n" : "") << row.path;
        ASSERT_EQ(h.host.boxes.size(), row.refusal.empty() ? 0u : 1u) << row.path;
        if (!row.refusal.empty()) {
            EXPECT_TRUE(
                ToUtf8(h.host.boxes[0].text).starts_with(row.refusal + "\rФайл:" + row.path));
        }
    }
    EXPECT_FALSE(std::filesystem::exists(missing));
    std::filesystem::remove_all(folder);
}
