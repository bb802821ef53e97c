#include "support/StoryHarness.h"

#include <gtest/gtest.h>

namespace {

int valueOf(const World &world, const QString &name) {
    const int slot = world.LastVariableNamed(name);
    return slot < 0 ? -99999 : world.Variables[slot].Value;
}

} // namespace

TEST(Conditions, TheTraceBoxShowsTheSplitBeforeTheConditionIsTested) {
    StoryHarness h;
    h.load({"set score=10", "if score>5 then pn big else pn small"});
    EXPECT_EQ(h.shown(), "big\n");
    ASSERT_EQ(h.host.boxes.size(), 1);
    EXPECT_EQ(h.host.boxes[0].title, "Зуфт Win");
    EXPECT_EQ(h.host.boxes[0].icon, MessageIcon::None);
    EXPECT_EQ(h.host.boxes[0].text, "score>5 $pn big$pn small");
}

TEST(Conditions, VariablesAreCreatedByFirstUseAndComparedExactly) {
    StoryHarness h;
    h.load({"if coins=0 then pn none", "set a=1", "if a = 1 then pn spaced else pn plain",
            "if a<>2 then pn differs", "if a><2 then pn differs too", "if a<1 then pn less",
            "if a=1 then pn x * pn y", "if a=1.5 then pn fraction", "if a then pn no operator",
            "if =1 then pn operator first"});
    EXPECT_EQ(h.shown(), "none\nplain\ndiffers\ndiffers too\nx\ny\n");
    EXPECT_EQ(valueOf(h.world(), "coins"), 0);
    EXPECT_EQ(valueOf(h.world(), "a "), 0);
    EXPECT_EQ(h.world().VariableCount, 3);
}

TEST(Conditions, SetReadsANumberAndRoundsHalvesToEven) {
    StoryHarness h;
    h.load({"set n=abc", "set h=2.5", "set s=7.5", "set i=n+1", "set gold = 5", "set lo=-32768",
            "set hi=32767"});
    EXPECT_EQ(valueOf(h.world(), "n"), 0);
    EXPECT_EQ(valueOf(h.world(), "h"), 2);
    EXPECT_EQ(valueOf(h.world(), "s"), 8);
    EXPECT_EQ(valueOf(h.world(), "i"), 0);
    EXPECT_EQ(valueOf(h.world(), "gold "), 5);
    EXPECT_EQ(valueOf(h.world(), "lo"), -32768);
    EXPECT_EQ(valueOf(h.world(), "hi"), 32767);
    EXPECT_TRUE(h.host.boxes.isEmpty());
}

TEST(Conditions, ItemConditionsAskWhetherThePlayerCarriesTheItem) {
    StoryHarness h;
    h.load({"item ключ", "done", "if #ключ=1 then pn yes else pn no", "++item ключ",
            "if #ключ=1 then pn yes else pn no", "if #ключ=0 then pn without else pn with"});
    EXPECT_EQ(h.shown(), "no\nyes\nwith\n");
}

TEST(Conditions, RoomConditionsAskWhereThePlayerIs) {
    StoryHarness h;
    // The room's name is compared exactly: the space before "then" belongs to it.
    h.load({"room зал", "room кухня", "done", "changeroom зал",
            "if $где=залthen pn here else pn away", "if $где=кухняthen pn here else pn away",
            "if $где=зал then pn here else pn away"});
    EXPECT_EQ(h.shown(), "here\naway\naway\n");
    const QStringList boxes = h.takeBoxes();
    ASSERT_EQ(boxes.size(), 5);
    EXPECT_EQ(boxes[2], "n0!");
    EXPECT_EQ(boxes[4], "n0!");
    EXPECT_EQ(valueOf(h.world(), "где"), 0);
}

TEST(Conditions, TheHundredAndFirstVariableIsRefused) {
    QStringList lines;
    for (int i = 1; i <= 101; ++i)
        lines << QStringLiteral("set v%1=%1").arg(i);
    lines << "if v101=0 then pn created";
    StoryHarness h;
    h.load(lines);
    EXPECT_EQ(h.world().VariableCount, 100);
    EXPECT_EQ(valueOf(h.world(), "v100"), 100);
    EXPECT_EQ(valueOf(h.world(), "v101"), -99999);
    EXPECT_EQ(h.shown(), "");
    const QStringList boxes = h.takeBoxes();
    ASSERT_EQ(boxes.size(), 3); // the set, the trace of the if, the if's variable
    EXPECT_TRUE(boxes[0].startsWith("Слишком много переменных."));
}
