// Text a story or a player may send that no author writes by hand: a line of a mebibyte, NUL and
// control characters, lines of nothing but spaces, lines of hundreds of words. None of it is
// special: each is a line like any other, and the story plays on.

#include "TroubleStory.h"

namespace {

const QString kMebibyte(1024 * 1024, u'я');

// The trouble is the script after the label.
QStringList storyRunning(const QStringList &script) {
    return storyWithTrouble("goto rem беда", QStringList{"rem беда:"} + script);
}

} // namespace

TEST(LongAndOddText, AMebibyteLineIsPrintedWhole) {
    StoryHarness h;
    h.load(storyRunning({"pn " + kMebibyte}));
    h.turn("беда");
    EXPECT_EQ(h.shown(), ">беда\n\n" + kMebibyte + "\n");
    EXPECT_TRUE(h.host.boxes.isEmpty());
    expectStillPlaying(h);
}

// A line of a hundred and seventy thousand commands is cut without copying what is left of it.
TEST(LongAndOddText, AMebibyteOfCommandsOnOneLineAllRun) {
    StoryHarness h;
    const int count = int(kMebibyte.size() / 6);
    h.load(storyRunning({QStringLiteral("p я & ").repeated(count) + "pn конец"}));
    h.turn("беда");
    EXPECT_EQ(h.shown(), ">беда\n\n" + QStringLiteral("я").repeated(count) + "конец\n");
    EXPECT_TRUE(h.host.boxes.isEmpty());
    expectStillPlaying(h);
}

TEST(LongAndOddText, AMebibyteTypedLineIsOneUnknownWord) {
    StoryHarness h;
    h.load(storyRunning({}));
    h.turn(kMebibyte);
    EXPECT_EQ(h.shown(), ">" + kMebibyte + "\n\nЯ не знаю слова ''" + kMebibyte + "''!\n");
    EXPECT_EQ(h.story.WordCount(), 1);
    expectStillPlaying(h);
}

TEST(LongAndOddText, NulAndControlCharactersAreOrdinaryCharacters) {
    const QByteArray bytes =
        QByteArrayLiteral("room \0\x01\r\n+text a\0b\x1b[2J\r\n"
                          "+func \x7f\x98,pn \x01\0\r\nsetroom \0\x01\r\nwait\r\n");
    StoryHarness h;
    ASSERT_TRUE(h.story.LoadBytes(bytes));
    EXPECT_EQ(h.shown(), QString("a") + QChar(0) + "b" + QChar(0x1b) + "[2J\n");
    EXPECT_EQ(h.world().Rooms[1].Name, QString(QChar(0)) + QChar(1));
    h.turn(QString(QChar(0x7f)) + QChar(0x98));
    EXPECT_TRUE(h.shown().endsWith(QString("\n\n") + QChar(1) + QChar(0) + "\n"));
    h.turn(QString(QChar(0)));
    EXPECT_TRUE(h.shown().endsWith("Я не знаю слова ''" + QString(QChar(0)) + "''!\n"));
    EXPECT_TRUE(h.host.boxes.isEmpty());
}

TEST(LongAndOddText, LinesOfSpacesAreSilentAndLinesOfWordsAreOneCommand) {
    QStringList words;
    for (int i = 1; i <= 300; ++i)
        words << QString::number(i);
    StoryHarness h;
    h.load(storyRunning(
        {QString(255, u' '), QString(300, u' '), "pn " + words.join(u' '), words.join(u' ')}));
    h.turn("беда");
    EXPECT_EQ(h.shown(), ">беда\n\n" + words.join(u' ') + "\n");
    EXPECT_EQ(h.takeBoxes(), QStringList({"Внимание! Неизвестная комманда (1)\nСтрока файла: 10\n"
                                          "Предупреждать об это в дальнейшем?"}));
    expectStillPlaying(h);
}
