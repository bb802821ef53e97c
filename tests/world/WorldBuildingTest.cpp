#include "support/StoryHarness.h"

#include <gtest/gtest.h>

TEST(WorldBuilding, ARoomNameOpensTheSameRoomAgain) {
    StoryHarness h;
    h.load({"room зал", "+text Первый", "room кухня", "room зал", "+text Второй@зал",
            "+title Зал"});
    EXPECT_EQ(h.world().RoomCount, 2);
    EXPECT_EQ(h.world().Rooms[1].Text, "Второй\r\nзал");
    EXPECT_EQ(h.world().Rooms[1].Title, "Зал");
}

TEST(WorldBuilding, EveryItemLineCreatesAnItemAndLookupsTakeTheLast) {
    StoryHarness h;
    h.load({"item ключ", "+text Старый@ключ", "item ключ", "room зал", "+item ключ",
            "+item нет", "room кухня", "+item ключ", "deleteitem кухня,ключ"});
    EXPECT_EQ(h.world().ItemCount, 2);
    EXPECT_EQ(h.world().Items[1].Text, "Старый@ключ");
    EXPECT_EQ(h.world().Rooms[1].ItemHere[2], kYes);
    EXPECT_EQ(h.world().Rooms[1].ItemHere[1], kNo);
    EXPECT_EQ(h.world().Rooms[1].ItemHere[0], kYes); // the unknown name marked the empty item
    EXPECT_EQ(h.world().Rooms[2].ItemHere[2], kNo);
}

TEST(WorldBuilding, DefinitionCommandsAfterDoneChangeNothing) {
    StoryHarness h;
    h.load({"room зал", "+text Зал", "done", "+title T", "+text X", "+func с,pn x"});
    EXPECT_EQ(h.world().Rooms[1].Text, "Зал");
    EXPECT_EQ(h.world().Rooms[0].Title, "");
    EXPECT_EQ(h.world().Rooms[0].FuncCount, 0);
    EXPECT_TRUE(h.host.boxes.isEmpty());
}

TEST(WorldBuilding, FunctionsSplitAtTheFirstCommaOnly) {
    StoryHarness h;
    h.load({"room зал", "+func открыть, pn a, b | pn c", "+func открыть,pn again"});
    const Room &room = h.world().Rooms[1];
    EXPECT_EQ(room.FuncName[1], "открыть");
    EXPECT_EQ(room.FuncBody[1], " pn a, b | pn c");
    EXPECT_EQ(room.FuncName[2], "открыть");
    EXPECT_EQ(room.FuncCount, 2);
}

TEST(WorldBuilding, MovingThePlayer) {
    StoryHarness h;
    h.load({"room зал", "+text Зал", "room кухня", "+text Кухня", "done", "changeroom кухня",
            "pn -", "setroom зал", "setroom нигде"});
    EXPECT_EQ(h.shown(), "-\nЗал\nЗал\n");
    EXPECT_EQ(h.world().CurrentRoom, 1);
}

TEST(WorldBuilding, FullTablesAndMissingCommasAreRefused) {
    QStringList lines;
    for (int i = 1; i <= 101; ++i)
        lines << QStringLiteral("room r%1").arg(i) << QStringLiteral("item i%1").arg(i);
    lines << "room r1";
    for (int i = 1; i <= 11; ++i)
        lines << QStringLiteral("+func f%1,pn").arg(i);
    lines << "+func без запятой"
          << "deleteitem без запятой"
          << "setroom r100";
    StoryHarness h;
    h.load(lines);
    EXPECT_EQ(h.world().RoomCount, 100);
    EXPECT_EQ(h.world().ItemCount, 100);
    EXPECT_EQ(h.world().Rooms[1].FuncCount, 10);
    EXPECT_EQ(h.world().CurrentRoom, 100);
    const QStringList boxes = h.takeBoxes();
    ASSERT_EQ(boxes.size(), 5);
    EXPECT_TRUE(boxes[0].startsWith("Слишком много комнат.\nПараметр:r101"));
    EXPECT_TRUE(boxes[1].startsWith("Слишком много предметов.\nПараметр:i101"));
    EXPECT_TRUE(boxes[2].startsWith("Слишком много функций."));
    EXPECT_TRUE(boxes[3].startsWith("Ошибочные параметры к функции +func."));
    EXPECT_TRUE(boxes[4].startsWith("Ошибочные параметры к функции DeleteItem."));
}
