#include "support/StoryHarness.h"

#include <gtest/gtest.h>

TEST(Jumps, TheLastLabelLineWinsAndLabelsIgnoreCase) {
    StoryHarness h;
    h.load({"goto rem a", "wait", "rem a:", "pn 1", "wait", "REM A:", "pn 2", "wait"});
    EXPECT_EQ(h.shown(), "2\n");
    EXPECT_TRUE(h.host.boxes.isEmpty());

    StoryHarness cyrillic;
    cyrillic.load({"goto REM ПЕЩЕРА", "wait", "rem Пещера:", "pn тьма", "wait"});
    EXPECT_EQ(cyrillic.shown(), "тьма\n");
}

TEST(Jumps, ALabelLineIsExecutedLikeAnyOther) {
    StoryHarness h;
    h.load({"goto a", "wait", "a:", "pn 1", "wait"});
    EXPECT_EQ(h.takeBoxes(), QStringList({"Внимание! Неизвестная комманда (a:)\nСтрока файла: 3\n"
                                          "Предупреждать об это в дальнейшем?"}));
    EXPECT_EQ(h.shown(), "1\n");
}

TEST(Jumps, AnUnknownLabelDoesNothing) {
    StoryHarness h;
    h.load({"goto nowhere & pn after", "rem not a label: & pn x", "goto rem not a label", "wait"});
    EXPECT_EQ(h.shown(), "after\nx\n");
    EXPECT_TRUE(h.host.boxes.isEmpty());
}

TEST(Jumps, AnEmptyLabelFindsTheColonLine) {
    StoryHarness h;
    h.load({"goto", "wait", ":", "pn colon", "wait"});
    EXPECT_EQ(h.shown(), "colon\n");
}

TEST(Jumps, AnInnerRunStopsAndTheOuterRunGoesOnAfterIt) {
    StoryHarness h;
    h.load({"goto rem b", "wait", "rem b:", "pn x", "wait", "pn y", "wait"});
    EXPECT_EQ(h.shown(), "x\ny\n");
    EXPECT_EQ(h.story.ScriptCursor(), 6);
}

TEST(Jumps, TheRestOfALineRunsAfterTheJump) {
    StoryHarness h;
    h.load({"goto rem b & pn back", "wait", "rem b:", "pn b", "wait"});
    EXPECT_EQ(h.shown(), "b\nback\n");
}

TEST(Jumps, AnInnerRunThatEndsTheStoryEndsEveryRun) {
    StoryHarness h;
    h.load({"goto rem e", "pn never", "rem e:", "pn end"});
    EXPECT_EQ(h.shown(), "end\n");
    EXPECT_EQ(h.story.ScriptCursor(), h.story.LineCount());
}

TEST(Jumps, AThousandNestedJumpsComplete) {
    QStringList lines;
    for (int i = 0; i < 1000; ++i)
        lines << QStringLiteral("rem l%1:").arg(i) << QStringLiteral("goto rem l%1").arg(i + 1);
    lines << "rem l1000:"
          << "pn deep"
          << "wait";
    StoryHarness h;
    h.load(lines);
    EXPECT_EQ(h.shown(), "deep\n");
    EXPECT_TRUE(h.host.boxes.isEmpty());
}

TEST(Jumps, ARunawayJumpIsStoppedOnceAndTheStoryPlaysOn) {
    StoryHarness h;
    h.load({"room r", "+func прыг,goto rem loop | pn after", "setroom r", "wait",
            "rem loop:", "pn круг & goto rem loop"});
    const QStringList boxes = h.takeBoxes();
    EXPECT_TRUE(boxes.isEmpty());
    h.turn("прыг");
    ASSERT_EQ(h.takeBoxes().size(), 1);
    EXPECT_TRUE(h.shown().endsWith("круг\n"));
    EXPECT_FALSE(h.shown().contains("after"));
    h.turn("прыг"); // the cursor already stands on the label: the jump does nothing
    EXPECT_EQ(h.shown(), ">прыг\n\nafter\n");
    EXPECT_TRUE(h.takeBoxes().isEmpty());
}
