// What a turn does to the console and the word table, which a terminal's transcript does not
// show: the erase before each turn, clearing, the input line and the view.

#include "support/StoryHarness.h"

#include <gtest/gtest.h>

TEST(Turn, TheConsoleShowsOnlyThisExchange) {
    StoryHarness h;
    h.load(
        {"room зал", "+text Зал.", "+func стереть,pn раз | cls | pn два", "setroom зал", "wait"});
    h.turn("осм");
    EXPECT_EQ(h.shown(), ">осм\n\nЗал.\n");
    EXPECT_EQ(h.host.showEndCount, 2); // when the press begins and when it ends
    for (const std::string &blank : {std::string(), std::string(1, ' '), std::string(255, ' ')}) {
        h.turn(blank); // ignored: nothing is erased or echoed
        EXPECT_EQ(h.shown(), ">осм\n\nЗал.\n");
        EXPECT_EQ(h.player.WordCount(), 1);
    }
    h.turn("стереть");
    EXPECT_EQ(h.shown(), "два\n");
    h.turn("cls");
    EXPECT_EQ(h.shown(), "");
    h.turn("###");
    EXPECT_EQ(h.shown(), ">###\n\nЭто что ввы ввели?\n");
    EXPECT_EQ(h.host.input, u"###");
}

TEST(Turn, EverySingleSpaceSeparatesWords) {
    const struct {
        std::string line;
        std::vector<std::u16string> words; // from entry 1
    } rows[] = {
        {"Взять Ключ", {u"взять", u"ключ"}},
        {"  взять", {u"", u"", u"взять"}},
        {"взять ", {u"взять", u""}},
        {"взять  КЛЮЧ\tи", {u"взять", u"", u"ключ\tи"}},
    };
    StoryHarness h;
    h.load({});
    for (const auto &row : rows) {
        h.turn(row.line);
        std::vector<std::u16string> words;
        for (int i = 1; i <= h.player.WordCount(); ++i)
            words.push_back(h.player.Word(i));
        EXPECT_EQ(words, row.words) << row.line;
        EXPECT_EQ(h.player.InputLine(), FromUtf8(row.line));
    }
    std::string many;
    for (int word = 1; word <= 300; ++word)
        many += std::to_string(word) + " ";
    h.turn(many); // the words beyond the table's 255 are left out
    EXPECT_EQ(h.player.WordCount(), 255);
    EXPECT_EQ(h.player.Word(255), u"255");
    h.turn(std::string(256, ' ')); // too long to be blank: 255 empty words
    EXPECT_EQ(h.player.WordCount(), 255);
    EXPECT_EQ(h.player.Word(255), u"");
}
