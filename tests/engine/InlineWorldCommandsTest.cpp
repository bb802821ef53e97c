#include "support/StoryHarness.h"

#include <gtest/gtest.h>

TEST(InlineWorldCommands, ExitViewTakesOnlyOneOrZero) {
    StoryHarness h;
    h.load({"exitview 1", "exitview 2", "exitview", "exitview 0 "});
    EXPECT_EQ(h.world().ExitView, 1);
    ASSERT_EQ(h.host.boxes.size(), 3);
    EXPECT_EQ(h.host.boxes[0].title, "Ошибка!");
    EXPECT_EQ(h.host.boxes[0].icon, MessageIcon::Error);
    EXPECT_EQ(h.takeBoxes(),
              QStringList({"Ошибочные параметры к функции ExitView.\nПараметр:2\n"
                           "Требуется: 1 или 0\nСтрока:2",
                           "Ошибочные параметры к функции ExitView.\nПараметр: отсутствует\n"
                           "Требуется: 1 или 0\nСтрока:3",
                           "Ошибочные параметры к функции ExitView.\nПараметр:0 \n"
                           "Требуется: 1 или 0\nСтрока:4"}));
}

TEST(InlineWorldCommands, CarryingChangesEveryItemOfTheName) {
    StoryHarness h;
    h.load({"item ключ", "item ключ", "item лампа", "++item ключ"});
    EXPECT_EQ(h.world().Carried[1], kYes);
    EXPECT_EQ(h.world().Carried[2], kYes);
    EXPECT_EQ(h.world().Carried[3], kNo);
    h.load({"--item ключ", "++item нет"});
    EXPECT_EQ(h.world().Carried[1], kNo);
    EXPECT_EQ(h.world().Carried[2], kNo);
}

TEST(InlineWorldCommands, ItemFunctionsOfEachKindFillTheNextSlot) {
    StoryHarness h;
    h.load({"item lamp", "+func_loc зажечь #,pn Светло.", "+func_inv погасить #,pn Темно, совсем.",
            "+downtext Лампа.", "done", "+func_inv a,b"});
    const Item &lamp = h.world().Items[1];
    EXPECT_EQ(lamp.FuncCount, 2);
    EXPECT_EQ(lamp.FuncName[1], "зажечь #");
    EXPECT_EQ(lamp.FuncKind[1], FunctionKind::InRoom);
    EXPECT_EQ(lamp.FuncBody[2], "pn Темно, совсем.");
    EXPECT_EQ(lamp.FuncKind[2], FunctionKind::Carried);
    EXPECT_EQ(lamp.DownText, "Лампа.");
    EXPECT_EQ(h.world().Items[0].FuncName[1], "a"); // after "done" the empty slot 0 receives it
}

TEST(InlineWorldCommands, RemovingARoomFunctionRenamesItEverywhere) {
    StoryHarness h;
    h.load({"room a", "+func с,pn north", "+func ю,pn south", "room b", "+func с,pn b north",
            "-func с"});
    EXPECT_EQ(h.world().Rooms[1].FuncName[1], "###~");
    EXPECT_EQ(h.world().Rooms[1].FuncBody[1], "pn north");
    EXPECT_EQ(h.world().Rooms[1].FuncName[2], "ю");
    EXPECT_EQ(h.world().Rooms[2].FuncName[1], "###~");
}

TEST(InlineWorldCommands, RemovingAnItemFunctionMovesTheLaterNamesDown) {
    StoryHarness h;
    h.load({"item i", "+func a,pn A", "+func x,pn X", "+func b,pn B", "-func x"});
    const Item &item = h.world().Items[1];
    EXPECT_EQ(item.FuncName[1], "a");
    EXPECT_EQ(item.FuncName[2], "b");
    EXPECT_EQ(item.FuncName[3], "");
    EXPECT_EQ(item.FuncBody[2], "pn X"); // the name "b" now runs what "x" had
    EXPECT_EQ(item.FuncCount, 3);
}

TEST(InlineWorldCommands, LookWordAndDone) {
    StoryHarness h;
    h.load({"setlooktext Смотреть", "item i", "done"});
    EXPECT_EQ(h.world().LookWord, "Смотреть");
    EXPECT_EQ(h.world().Defining, DefineKind::Nothing);
    EXPECT_EQ(h.world().DefineIndex, 0);
}

TEST(InlineWorldCommands, AnEleventhFunctionOrAMissingCommaIsRefused) {
    QStringList lines{"item i"};
    for (int i = 1; i <= 11; ++i)
        lines << QStringLiteral("+func_loc f%1,pn %1").arg(i);
    lines << "+func_inv без запятой";
    StoryHarness h;
    h.load(lines);
    EXPECT_EQ(h.world().Items[1].FuncCount, 10);
    EXPECT_EQ(h.world().Items[1].FuncName[10], "f10");
    const QStringList boxes = h.takeBoxes();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_TRUE(boxes[0].endsWith("Строка:12"));
    EXPECT_TRUE(boxes[1].startsWith("Ошибочные параметры к функции +func_inv.\nПараметр:без запятой"));
}
