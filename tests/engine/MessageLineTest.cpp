// Every message to the author carries the line where the command it concerns is written, also
// when the box's own text names the waiting point the turn started from.

#include "support/StoryHarness.h"

#include <gtest/gtest.h>

namespace {

// Each message as "title: line".
std::vector<std::string> linesOf(StoryHarness &h) {
    std::vector<std::string> lines;
    for (const AuthorMessage &box : h.host.boxes)
        lines.push_back(ToUtf8(box.title) + ": " + std::to_string(box.line));
    h.host.boxes.clear();
    return lines;
}

} // namespace

TEST(MessageLine, NamesTheLineOfTheCommandNotTheWaitingPoint) {
    StoryHarness h;
    ASSERT_TRUE(h.load({
        "room r",                                          // 1
        "+func тест,pn раз | pm два | if a=1 then pn три", // 2
        "+func прыг,goto метка | pm после",                // 3
        "item ключ",                                       // 4
        "+title ключ",                                     // 5
        "+func взять #,set x | exitview 2",                // 6
        "done",                                            // 7
        "setroom r",                                       // 8
        "++item ключ",                                     // 9
        "pm в начале",                                     // 10
        "wait",                                            // 11
        "метка:",                                          // 12
        "pm после метки",                                  // 13
        "wait",                                            // 14
    }));
    EXPECT_EQ(linesOf(h), (std::vector<std::string>{"Внимание!: 10"}));
    EXPECT_EQ(h.story.Position().lastMessageLine, 10);

    h.turn("тест");
    EXPECT_EQ(linesOf(h), (std::vector<std::string>{"Внимание!: 2", "Зуфт Win: 2"}));
    // The box itself still names the waiting point, as players know it.
    h.turn("тест");
    EXPECT_NE(ToUtf8(h.host.boxes.front().text).find("Строка файла: 11"), std::string::npos);
    h.host.boxes.clear();

    // A jump from a body runs lines of the script; what follows the jump is the body's again.
    h.turn("прыг");
    EXPECT_EQ(linesOf(h),
              (std::vector<std::string>{"Внимание!: 12", "Внимание!: 13", "Внимание!: 3"}));
    EXPECT_EQ(h.story.Position().lastMessageLine, 3);

    h.turn("взять ключ");
    EXPECT_EQ(linesOf(h), (std::vector<std::string>{"Ошибка!: 6", "Ошибка!: 6"}));
}
