#include "support/StoryHarness.h"

#include <gtest/gtest.h>

TEST(RunLoop, CommandsAreCutAtSpaceAmpersandSpace) {
    StoryHarness h;
    h.load({"p Привет & pn мир", "P Hello", "p a&p b", "pn", "p  x"});
    EXPECT_EQ(h.shown(), "Приветмир\nHello\n x");
    EXPECT_TRUE(h.host.boxes.isEmpty());
}

TEST(RunLoop, TheCharacterBesideASeparatorIsDroppedUnseen) {
    StoryHarness h;
    h.load({"p Tom & Jerry"});
    EXPECT_EQ(h.shown(), "Tom");
    EXPECT_EQ(h.takeBoxes(),
              QStringList({"Внимание! Неизвестная комманда (jerry)\nСтрока файла: 1\n"
                           "Предупреждать об это в дальнейшем?"}));
}

TEST(RunLoop, ASeparatorInTheFirstPlaceIsAnEmptyCommand) {
    StoryHarness h;
    h.load({"& pn x", "&", "pn a &", " pn hidden"});
    EXPECT_EQ(h.shown(), "x\na\n");
    EXPECT_TRUE(h.host.boxes.isEmpty());
}

TEST(RunLoop, OnlyAWholeLineWaitIsAWaitingPoint) {
    StoryHarness h;
    h.load({"wait ", "WAIT", "pn a & wait", "pn b", "wait", "pn c"});
    EXPECT_EQ(h.shown(), "a\nb\n");
    EXPECT_EQ(h.story.ScriptCursor(), 4);
}

TEST(RunLoop, AStoryWithoutWaitingPointRunsToItsEnd) {
    StoryHarness h;
    h.load({"pn 1", "", "pn 2"});
    EXPECT_EQ(h.shown(), "1\n2\n");
    EXPECT_EQ(h.story.ScriptCursor(), h.story.LineCount());
}
