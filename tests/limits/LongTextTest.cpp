// Text no author writes by hand: a line of a mebibyte, a line of a hundred thousand commands, a
// typed line of a mebibyte. Each is a line like any other, played whole and in linear time.

#include "support/StoryHarness.h"

#include <gtest/gtest.h>

namespace {

std::string repeated(const std::string &text, int times) {
    std::string all;
    for (int n = 0; n < times; ++n)
        all += text;
    return all;
}

} // namespace

TEST(LongText, AMebibyteLineIsALineLikeAnyOther) {
    const std::string mebibyte = repeated("я", 1 << 19);
    StoryHarness h;
    h.load({"room r", "+func длинная,pn " + mebibyte, "+func много,goto rem много", "setroom r",
            "wait", "rem много:", repeated("p я & ", 1 << 17) + "pn конец", "wait"});
    h.turn("длинная");
    EXPECT_EQ(h.shown(), ">длинная\n\n" + mebibyte + "\n");
    h.turn("много");
    EXPECT_EQ(h.shown(), ">много\n\n" + repeated("я", 1 << 17) + "конец\n");
    h.turn(mebibyte);
    EXPECT_EQ(h.shown(), ">" + mebibyte + "\n\nЯ не знаю слова ''" + mebibyte + "''!\n");
    EXPECT_TRUE(h.host.boxes.empty());
}
