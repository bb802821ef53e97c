#include "support/StoryHarness.h"

#include <gtest/gtest.h>

namespace {

// A hall with a door function and a key of each kind of function; the player stands in it.
class WordProcessing : public ::testing::Test {
protected:
    void SetUp() override {
        h.load({"item ключ", "+title ключ", "+text Ключ.", "+downtext Ключ лежит.",
                "+func_loc взять #,deleteitem зал,ключ | ++item ключ | pn Взяли.",
                "+func_inv бросить #,--item ключ | room зал | +item ключ | done | pn Бросили.",
                "+func покрутить #,pn Крутится.", "item рычаг", "+title рычаг",
                "+func дёрнуть рычаг,pn Дёрнули.", "room зал", "+text Зал.",
                "+func открыть дверь,pn Открыто.", "+func с,pn Север.", "+func в,pn Восток.",
                "+func вперед,pn Вперед.", "+func ждать,", "+func покрутить ключ,pn Комната.",
                "+item ключ", "room кладовая", "+item рычаг", "done", "changeroom зал"});
    }
    // What one turn printed after its echo.
    QString answer(const QString &line) {
        h.turn(line);
        const QString echo = ">" + line + "\n\n";
        EXPECT_TRUE(h.shown().startsWith(echo)) << h.shown().toStdString();
        return h.shown().mid(echo.size());
    }
    StoryHarness h;
};

} // namespace

TEST_F(WordProcessing, RoomFunctionsMatchAPrefixOfTheRawLine) {
    EXPECT_EQ(answer("открыть дверь"), "Открыто.\n");
    EXPECT_EQ(answer("открыть дверь ключом"), "Открыто.\n");
    EXPECT_EQ(answer("открыть дверьми"), "Открыто.\n");
    EXPECT_EQ(answer("Открыть дверь"), "Я не знаю слова ''открыть''!\n");
    EXPECT_EQ(answer("открыть  дверь"), "Я не знаю слова ''открыть''!\n");
    EXPECT_EQ(answer("вперед"), "Вперед.\n"); // no direction without ё: found by prefix
    EXPECT_EQ(answer("вперёд"), "В этом направлении пути нет!\n");
}

TEST_F(WordProcessing, SingleLetterExitsAnswerOnlyTheDirectionWords) {
    EXPECT_EQ(answer("съесть яблоко"), "Я не помню такого предмета.\n");
    EXPECT_EQ(answer("в"), "Восток.\n");
    EXPECT_EQ(answer("с"), "Север.\n");
}

TEST_F(WordProcessing, TheFourMessagesInTheirOrder) {
    EXPECT_EQ(answer("прыгнуть"), "Я не знаю слова ''прыгнуть''!\n");
    EXPECT_EQ(answer(" взять"), "Я не знаю слова ''''!\n");
    EXPECT_EQ(answer("бросить ключ"), "Я не знаю слова ''бросить''!\n");
    EXPECT_EQ(answer("выбросить ключ"), "Предмет не поддерживает это деиствие!\n");
    EXPECT_EQ(answer("взять ножик"), "Я не помню такого предмета.\n");
    EXPECT_EQ(answer("взять "), "Я не помню такого предмета.\n");
    EXPECT_EQ(answer("взять"), "Взять что?\n");
    EXPECT_EQ(answer("ВЗЯТЬ"), "Взять что?\n");
}

TEST_F(WordProcessing, ItemFunctionsAreUsableWhereTheirKindAllows) {
    EXPECT_EQ(answer("бросить ключ"), "Я не знаю слова ''бросить''!\n"); // kind 2, not carried
    EXPECT_EQ(answer("взять ключ"), "Взяли.\n");                        // kind 1, lies here
    EXPECT_EQ(answer("взять ключ"), "Предмет не поддерживает это деиствие!\n");
    EXPECT_EQ(answer("инв"), "У вас есть с собой:\nключ\n");
    EXPECT_EQ(answer("осм"), "Зал.\n");
    EXPECT_EQ(answer("бросить ключ"), "Бросили.\n");
    EXPECT_EQ(answer("осм"), "Зал.\nКлюч лежит.\n");
    EXPECT_EQ(answer("крм"), "У вас есть с собой:\n- Ничего\n");
    EXPECT_EQ(answer("дёрнуть рычаг"), "Я не знаю слова ''дёрнуть''!\n"); // out of reach
}

TEST_F(WordProcessing, ARoomFunctionBeatsAnItemFunctionAndTheLastMatchWins) {
    EXPECT_EQ(answer("покрутить ключ"), "Комната.\n");
    h.load({"item ключ", "+title ключ", "+func покрутить #,pn Первый.", "item ключ",
            "+title ключ", "+func покрутить #,pn Второй.", "room зал", "+item ключ", "done"});
    // the second key now lies in the hall too, with a higher index
    EXPECT_EQ(answer("покрутить ключ"), "Комната.\n");
    h.load({"room зал", "-func покрутить ключ", "done"});
    EXPECT_EQ(answer("покрутить ключ"), "Второй.\n");
}

TEST_F(WordProcessing, AMatchedRoomFunctionWithAnEmptyBodyPrintsNothing) {
    EXPECT_EQ(answer("ждать"), "");
    EXPECT_EQ(answer("ждать долго"), "");
}

TEST_F(WordProcessing, ARemovedRoomFunctionAnswersToItsNewName) {
    h.load({"room зал", "-func открыть дверь", "done"});
    EXPECT_EQ(answer("открыть дверь"), "Я не знаю слова ''открыть''!\n");
    EXPECT_EQ(answer("###~ дверь"), "Открыто.\n");
}

TEST_F(WordProcessing, BuiltInWords) {
    h.turn("помощь");
    EXPECT_EQ(h.shown(), ">помощь\n\nПомощь тута не предусмотрена!!");
    h.turn("cls");
    EXPECT_EQ(h.shown(), "");
    EXPECT_EQ(answer("осм ключ"), "Ключ.\n");
    EXPECT_EQ(answer("###_per"), "      0\n");
    h.load({"set золото=-5"});
    EXPECT_EQ(answer("###_per"), "      0\nзолото      -5\n");
    EXPECT_EQ(answer("###"), "Это что ввы ввели?\n");
    EXPECT_EQ(h.host.input, "###");
}

TEST_F(WordProcessing, TheLookWordIsTestedFirst) {
    h.load({"setlooktext помощь"});
    EXPECT_EQ(answer("помощь"), "Зал.\nКлюч лежит.\n");
    EXPECT_EQ(answer("осм"), "Я не знаю слова ''осм''!\n");
}

TEST_F(WordProcessing, EveryTurnEndsWithItsLastLineInView) {
    const int before = h.host.showEndCount;
    h.turn("осм");
    EXPECT_EQ(h.host.showEndCount, before + 2); // when the press begins and when it ends
}
