// Reading a story file into its lines, and refusing what is no story.

#include "support/StoryHarness.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

// Windows-1251: CR ends a line and LF is dropped, as stories have always been read. UTF-8 and
// UTF-16, Zuft's own additions: CR LF, CR and LF each end a line.
TEST(Loading, LinesEndAsTheirEncodingSays) {
    const struct {
        std::string_view bytes;
        std::vector<std::u16string> lines; // with the empty entry after the last line
    } rows[] = {
        {"a\r\nb\r\n", {u"a", u"b", u"", u""}},
        {"a\r\nb", {u"a", u"b", u""}},
        {"", {u"", u""}},
        {"a\nb", {u"a", u"b", u""}}, // ASCII alone reads as UTF-8
        {"\xE0\nb\r\n\nc", {u"аb", u"c", u""}},
        {"\xD1\x8F\nb\r\n\nc\rd\n", {u"я", u"b", u"", u"c", u"d", u"", u""}},
        {"a\rb", {u"a", u"b", u""}},
        {"a\r\r\nb", {u"a", u"", u"b", u""}},
        {"  p x\t", {u"  p x\t", u""}},
        // UTF-8 when it says so or reads as it, else Windows-1251
        {"\xEF\xBB\xBFpn \xD1\x8F", {u"pn я", u""}},
        {"pn \xD1\x8F\r\npn \xFF", {u"pn СЏ", u"pn я", u""}},
        {"\xEF\xBB\xBFpn \xFF", {u"pn \uFFFD", u""}},
        // UTF-16 when its byte-order mark says so, either way round
        {std::string_view("\xFF\xFEp\0n\0 \0O\x04\n\0x\0", 14), {u"pn я", u"x", u""}},
        {std::string_view("\xFE\xFF\0p\0n\0 \x04O\0\r\0\n\0x", 16), {u"pn я", u"x", u""}},
        {std::string_view("\xFF\xFEx\0y", 5), {u"x\uFFFD", u""}},
    };
    for (const auto &row : rows) {
        StoryFileError error;
        const auto script = DecodeScript(row.bytes, StoryEncoding::Detect, error);
        ASSERT_TRUE(script);
        EXPECT_EQ(script->lines, row.lines) << row.bytes;
    }
}

TEST(Loading, WhatReadsOtherwiseThanAnEditorShowsItIsNoted) {
    StoryFileError error;
    // Windows-1251: each line where a lone LF joins lines of an editor
    auto script = DecodeScript("\xE0\r\nb\nc\n\r\nd\r\r\ne\nf", StoryEncoding::Detect, error);
    ASSERT_TRUE(script);
    EXPECT_EQ(script->encoding, StoryEncoding::Windows1251);
    EXPECT_EQ(script->joinedLines, (std::vector<int>{2, 5}));
    EXPECT_EQ(script->strayByte.line, 0);
    // UTF-8 but for one byte: read as Windows-1251, the byte and its line (as UTF-8 counts
    // lines) are kept
    script = DecodeScript("pn \xD1\x8F\npn \xD1\x8F\r\npn \xFF\npn \xD1\x8F", StoryEncoding::Detect,
                          error);
    ASSERT_TRUE(script);
    EXPECT_EQ(script->encoding, StoryEncoding::Windows1251);
    EXPECT_EQ(script->strayByte.line, 3);
    EXPECT_EQ(script->strayByte.byte, 0xFF);
    // Named, the encoding is the one asked for
    script = DecodeScript("pn \xD1\x8F\npn \xFF", StoryEncoding::Windows1251, error);
    EXPECT_EQ(script->strayByte.line, 0);
}

// The demo's UTF-8 twin, with LF line ends, for reading in any editor, is the same story.
TEST(Loading, TheDemosUtf8TwinIsTheSameStory) {
    StoryFileError error;
    const auto demo = ReadScript(ZUFT_SOURCE_DIR "/stories/demo.teg", StoryEncoding::Detect, error);
    const auto twin =
        ReadScript(ZUFT_SOURCE_DIR "/stories/utf-8/demo.teg", StoryEncoding::Detect, error);
    ASSERT_TRUE(demo && twin);
    EXPECT_EQ(demo->encoding, StoryEncoding::Windows1251);
    EXPECT_EQ(twin->encoding, StoryEncoding::Utf8);
    EXPECT_EQ(demo->lines, twin->lines);
    EXPECT_EQ(demo->labels, twin->labels);
}

TEST(Loading, EncodingsAreNamedInTheUsualSpellings) {
    for (const char *name : {"utf-8", "UTF-8", "utf8", "UTF8", "utf_8"}) {
        StoryEncoding encoding = StoryEncoding::Detect;
        EXPECT_TRUE(ParseStoryEncoding(name, encoding)) << name;
        EXPECT_EQ(encoding, StoryEncoding::Utf8) << name;
    }
    for (const char *name : {"cp1251", "CP1251", "windows-1251", "Windows-1251", "win1251"}) {
        StoryEncoding encoding = StoryEncoding::Detect;
        EXPECT_TRUE(ParseStoryEncoding(name, encoding)) << name;
        EXPECT_EQ(encoding, StoryEncoding::Windows1251) << name;
    }
    StoryEncoding encoding = StoryEncoding::Detect;
    for (const char *name : {"", "utf-16", "koi8-r", "1251", "utf-8x"})
        EXPECT_FALSE(ParseStoryEncoding(name, encoding)) << name;
}

TEST(Loading, TheLongestStoryRunsWholeAndOneLineMoreIsRefused) {
    StoryHarness h;
    ASSERT_TRUE(h.load({std::to_string(kMaxLineCount) + "× pn строка %"}));
    EXPECT_EQ(h.story.script().LineCount(), kMaxLineCount);
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
        const auto script = LoadScriptFile(row.path, StoryEncoding::Detect, h.host);
        if (script)
            h.story.Start(script);
        EXPECT_EQ(script != nullptr, row.refusal.empty()) << row.path;
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
