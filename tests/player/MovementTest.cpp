#include "support/StoryHarness.h"

#include <gtest/gtest.h>

TEST(Movement, ADirectionRunsTheExitOfThatNameInTheHighestSlot) {
    StoryHarness h;
    h.load({"room зал", "+text Зал", "+func с,pn first", "+func с,changeroom кухня | pn second",
            "+func ю,", "+func З,pn capital", "+func вниз ,pn spaced", "room кухня",
            "+text Кухня", "done", "changeroom зал"});
    h.turn("ю"); // an empty body is no exit
    EXPECT_EQ(h.shown(), ">ю\n\nВ этом направлении пути нет!\n");
    h.turn("З");
    EXPECT_EQ(h.shown(), ">З\n\nВ этом направлении пути нет!\n");
    h.turn("вниз");
    EXPECT_EQ(h.shown(), ">вниз\n\nВ этом направлении пути нет!\n");
    h.turn("с");
    EXPECT_EQ(h.shown(), ">с\n\nsecond\n");
    EXPECT_EQ(h.world().CurrentRoom, 2);
}

TEST(Movement, NoRoomNoWay) {
    StoryHarness h;
    h.load({"room зал", "+func с,pn north"});
    h.turn("с");
    EXPECT_EQ(h.shown(), ">с\n\nВ этом направлении пути нет!\n");
}
