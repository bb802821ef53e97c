// What a save file may hold, and everything it may not.

#include "game/SaveFile.h"
#include "engine/Text.h"

#include <gtest/gtest.h>

namespace {

const std::string kHeader = "zuft-save 1\nstory: s.teg\ndigest: 00000000000000ff\ndate: d\n";

TEST(SaveFile, WhatIsWrittenReadsBackWithTheTypedLinesExact) {
    Journal journal;
    for (std::u16string line : {u"осм", u"a\\b", u"\u2028\n\r", u"\xD800x", u"😀"})
        journal.Add({JournalEntry::Kind::Turn, line, 0x1234abcd});
    journal.Add({JournalEntry::Kind::Restart, {}, 0});
    journal.Undo();
    journal.Undo();
    const std::string text = FormatSave({u"мой «маяк».teg", 0xfeed, "d"}, journal);
    SaveHeader header;
    Journal read;
    std::u16string error;
    ASSERT_TRUE(ParseSave(text, header, read, error)) << text;
    EXPECT_EQ(header.storyName, u"мой «маяк».teg");
    EXPECT_EQ(header.storyDigest, 0xfeedu);
    EXPECT_EQ(read.Entries(), journal.Entries());
    EXPECT_EQ(read.Position(), 4u);

    // A last line that a crash cut short is no event.
    ASSERT_TRUE(ParseSave(kHeader + "turn 00000001 a\nturn 0000", header, read, error));
    EXPECT_EQ(read.Position(), 1u);
}

// As an editor on Windows keeps a file: CR LF line ends, a byte-order mark, or both.
TEST(SaveFile, ASaveKeptByAWindowsEditorReadsTheSame) {
    Journal journal;
    for (std::u16string line : {u"осм", u"\r", u"a\r\n"})
        journal.Add({JournalEntry::Kind::Turn, line, 7});
    journal.Undo();
    const std::string text = FormatSave({u"маяк.teg", 0xfeed, "d"}, journal);
    std::string crlf;
    for (char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string &edited : {crlf, "\xEF\xBB\xBF" + text, "\xEF\xBB\xBF" + crlf}) {
        SaveHeader header;
        Journal read;
        std::u16string error;
        ASSERT_TRUE(ParseSave(edited, header, read, error)) << edited;
        EXPECT_EQ(header.storyName, u"маяк.teg");
        EXPECT_EQ(header.date, "d");
        EXPECT_EQ(read.Entries(), journal.Entries());
        EXPECT_EQ(read.Position(), 2u);
        // A last line that a crash cut short is still no event.
        ASSERT_TRUE(ParseSave(edited + "turn 0000\r", header, read, error));
        EXPECT_EQ(read.Entries().size(), 3u);
    }
}

TEST(SaveFile, AnythingElseIsRefusedWithOneSentence) {
    const std::string broken = "Файл повреждён или не является сохранением игры.";
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {"", broken},
        {std::string("\x8f\x01\xff\xfe zuft-save 1\n", 18), broken},
        {"zuft-save 1\n", broken},
        {"zuft-save x\nstory: s\ndigest: 00000000000000ff\n", broken},
        {"zuft-save 2\nstory: s\ndigest: 00000000000000ff\n",
         "Игра сохранена более новой версией программы (формат 2)."},
        {"zuft-save 1\nstory: s\ndigest: ff\n", broken},
        {kHeader + "undo\n", broken},
        {kHeader + "turn 1 a\n", broken},
        {kHeader + "turn zzzzzzzz a\n", broken},
        {kHeader + "turn 00000001 a\\q\n", broken},
        {kHeader + "turn 00000001 \xff\n", broken},
        {kHeader + "dance\n", broken},
    };
    for (const auto &[text, error] : cases) {
        SaveHeader header;
        Journal journal;
        std::u16string told;
        EXPECT_FALSE(ParseSave(text, header, journal, told)) << text;
        EXPECT_EQ(ToUtf8(told), error) << text;
    }
}

} // namespace
