#include "support/StoryHarness.h"

#include <gtest/gtest.h>

namespace {

QStringList wordsOf(const Story &story) {
    QStringList words;
    for (int i = 0; i <= story.WordCount(); ++i)
        words << story.Word(i);
    return words;
}

} // namespace

TEST(InputLine, BlankLinesAreIgnored) {
    StoryHarness h;
    h.load({"pn start"});
    h.turn("взять ключ");
    const QString before = h.host.console;
    for (const QString &blank : {QString(), QString(1, u' '), QString(255, u' ')}) {
        h.turn(blank);
        EXPECT_EQ(h.host.console, before);
        EXPECT_EQ(h.story.WordCount(), 2);
        EXPECT_EQ(h.story.Word(1), ""); // the words are emptied all the same
        EXPECT_EQ(h.story.InputLine(), blank);
    }
    h.turn(QString(256, u' ')); // too long to count as blank: 255 empty words
    EXPECT_EQ(h.story.WordCount(), 255);
    EXPECT_TRUE(h.shown().startsWith(">" + QString(256, u' ') + "\n\nЯ не знаю слова ''''!"));
}

TEST(InputLine, TheConsoleShowsOnlyThisExchangeWithTheRawEcho) {
    StoryHarness h;
    h.load({"pn start"});
    h.turn("Взять Ключ");
    EXPECT_TRUE(h.shown().startsWith(">Взять Ключ\n\n"));
    EXPECT_EQ(wordsOf(h.story), QStringList({"", "взять", "ключ"}));
    EXPECT_EQ(h.story.InputLine(), "Взять Ключ");
}

TEST(InputLine, EverySingleSpaceSeparatesWords) {
    StoryHarness h;
    h.load({});
    h.turn("  взять");
    EXPECT_EQ(wordsOf(h.story), QStringList({"", "", "", "взять"}));
    h.turn("взять ");
    EXPECT_EQ(wordsOf(h.story), QStringList({"", "взять", ""}));
    h.turn("взять  КЛЮЧ\tи");
    EXPECT_EQ(wordsOf(h.story), QStringList({"", "взять", "", "ключ\tи"}));
}

TEST(InputLine, WordsBeyondTheTableAreIgnored) {
    StoryHarness h;
    h.load({});
    QStringList many;
    for (int i = 1; i <= 300; ++i)
        many << QString::number(i);
    h.turn(many.join(u' '));
    EXPECT_EQ(h.story.WordCount(), 255);
    EXPECT_EQ(h.story.Word(255), "255");
    EXPECT_EQ(h.story.InputLine().size(), many.join(u' ').size());
}
