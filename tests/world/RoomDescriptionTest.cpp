#include "support/StoryHarness.h"

#include <gtest/gtest.h>

TEST(RoomDescription, BeforeThePlayerIsPlacedTheRoomIsEmpty) {
    StoryHarness h;
    h.load({"setroom нигде", "exitview 1", "setroom нигде"});
    EXPECT_EQ(h.shown(), "\n\n\nВыходы: нет\n");
}

TEST(RoomDescription, TextItemsAndExitsInSlotOrder) {
    StoryHarness h;
    h.load({"item ключ", "+downtext Тут ключ.", "item пустой", "item лампа",
            "+downtext Тут лампа.", "done", "room зал", "+text Большой@зал", "+func ю,pn s",
            "+func открыть,pn o", "+func с,pn n", "+func вперед,pn f", "+item лампа", "+item ключ",
            "+item пустой", "exitview 1", "setroom зал"});
    EXPECT_EQ(h.shown(), "Большой\nзал\nТут ключ.\n\nТут лампа.\n\nВыходы: ю,с,вперед\n");
}

TEST(RoomDescription, LookingAtAnItemGoesByTitleAndByWhatLiesHere) {
    StoryHarness h;
    h.load({"item ключ", "+title ключ", "+text Старый@ключ.", "item ключ2", "+title ключ",
            "+text Второй.", "item Лампа", "+title Лампа", "+text Лампа.", "item нож",
            "+title нож", "+text Нож.", "room зал", "+item ключ", "+item ключ2", "+item Лампа",
            "++item нож", "setroom зал"});
    h.turn("осм ключ");
    EXPECT_EQ(h.shown(), ">осм ключ\n\nСтарый@ключ.\nВторой.\n");
    h.turn("осм Лампа"); // the player's words are lower-cased
    EXPECT_EQ(h.shown(), ">осм Лампа\n\nЯ не помню такого предмета.\n");
    h.turn("осм нож"); // carried, not lying here
    EXPECT_EQ(h.shown(), ">осм нож\n\nЯ не помню такого предмета.\n");
}
