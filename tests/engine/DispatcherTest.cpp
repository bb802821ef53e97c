#include "support/StoryHarness.h"

#include <gtest/gtest.h>

TEST(Dispatcher, OutputCommandsPrintLiterally) {
    StoryHarness h;
    h.load({"rem a & pn b", "p a", "pn b", "P Текст @ & pn", "p", "pn"});
    EXPECT_EQ(h.shown(), "b\nab\nТекст @\n\n");
}

TEST(Dispatcher, ClsEmptiesTheConsole) {
    StoryHarness h;
    h.load({"pn gone", "cls", "pn kept"});
    EXPECT_EQ(h.shown(), "kept\n");
}

TEST(Dispatcher, AnUnknownWordIsReportedWithItsLineEveryTime) {
    StoryHarness h;
    h.load({"pn 1", "", "  pn hidden", "", "Привет мир", "привет"});
    ASSERT_EQ(h.host.boxes.size(), 2);
    EXPECT_EQ(h.host.boxes[0].title, "Внимание!");
    EXPECT_EQ(h.host.boxes[0].icon, MessageIcon::Error);
    EXPECT_EQ(h.host.boxes[0].text, "Внимание! Неизвестная комманда (привет)\rСтрока файла: 5\r"
                                    "Предупреждать об это в дальнейшем?");
    EXPECT_TRUE(h.host.boxes[1].text.contains("Строка файла: 6"));
    EXPECT_EQ(h.shown(), "1\n");
}
