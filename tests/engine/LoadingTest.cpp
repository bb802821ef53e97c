#include "support/StoryHarness.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QStringList tableOf(const QByteArray &bytes) {
    StoryHarness h;
    h.story.LoadBytes(bytes);
    return h.story.LineTable();
}

} // namespace

TEST(Loading, LineBreaksAndTheEmptyLastEntry) {
    EXPECT_EQ(tableOf("a\r\nb\r\n"), QStringList({"a", "b", "", ""}));
    EXPECT_EQ(tableOf("a\r\nb"), QStringList({"a", "b", ""}));
    EXPECT_EQ(tableOf(""), QStringList({"", ""}));
    EXPECT_EQ(tableOf("a\nb"), QStringList({"ab", ""}));     // a lone LF joins
    EXPECT_EQ(tableOf("a\rb"), QStringList({"a", "b", ""})); // a lone CR ends a line
    EXPECT_EQ(tableOf("a\r\r\nb"), QStringList({"a", "", "b", ""}));
    EXPECT_EQ(tableOf("  p x\t\r\n"), QStringList({"  p x\t", "", ""}));
}

TEST(Loading, EveryByteIsOneCharacterOfTheCodePage) {
    QByteArray bytes;
    for (int byte = 0; byte < 256; ++byte)
        if (byte != '\r' && byte != '\n')
            bytes.append(char(byte));
    const QStringList table = tableOf(bytes);
    ASSERT_EQ(table.size(), 2);
    const QString line = table[0];
    ASSERT_EQ(line.size(), 254);
    EXPECT_EQ(line[0], QChar(0));
    EXPECT_EQ(line[0x98 - 2], QChar(0x98));    // undefined in the code page, kept apart
    EXPECT_EQ(line[0x88 - 2], QChar(0x20AC));  // euro sign
    EXPECT_EQ(line[0xC0 - 2], QChar(0x0410));  // А
    EXPECT_EQ(line[0xFF - 2], QChar(0x044F));  // я
    EXPECT_EQ(line[0xA8 - 2], QChar(0x0401));  // Ё
    EXPECT_EQ(EncodeWindows1251(line), bytes); // nothing lost or merged
}

TEST(Loading, TheFirstRunStopsAtTheFirstWaitingPoint) {
    StoryHarness h;
    ASSERT_TRUE(h.load({"pn один", "wait", "pn два"}));
    EXPECT_EQ(h.shown(), "один\n");
    EXPECT_EQ(h.story.ScriptCursor(), 1);
    EXPECT_EQ(h.story.LineCount(), 3);
}

TEST(Loading, AMissingOrUnreadableFileRunsNothingAndIsNotCreated) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("нет.teg");
    StoryHarness h;
    EXPECT_FALSE(h.story.LoadFile(missing));
    EXPECT_FALSE(QFile::exists(missing));
    ASSERT_EQ(h.host.boxes.size(), 1);
    EXPECT_EQ(h.host.boxes[0].title, "Ошибка!");
    EXPECT_TRUE(h.host.boxes[0].text.contains(missing));

    // Neither a folder, a pipe with no writer nor an endless device may stall or exhaust the
    // program.
    const QString pipe = dir.filePath("pipe.teg");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString &notAFile : {dir.path(), pipe, QStringLiteral("/dev/zero")}) {
        StoryHarness h;
        EXPECT_FALSE(h.story.LoadFile(notAFile));
        ASSERT_EQ(h.host.boxes.size(), 1);
        EXPECT_TRUE(h.host.boxes[0].text.startsWith("Файл истории не удалось прочитать."));
        EXPECT_EQ(h.story.LineCount(), 0);
    }

    QFile huge(dir.filePath("huge.teg"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(Story::kMaxStoryBytes + 1)); // sparse: costs no disk
    huge.close();
    StoryHarness tooBig;
    EXPECT_FALSE(tooBig.story.LoadFile(huge.fileName()));
    ASSERT_EQ(tooBig.host.boxes.size(), 1);
    EXPECT_TRUE(tooBig.host.boxes[0].text.startsWith("Файл истории слишком велик."));
}

TEST(Loading, AStoryFileIsReadWhole) {
    QTemporaryDir dir;
    QFile file(dir.filePath("s.teg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(EncodeWindows1251("pn Привет\r\nwait\r\n"));
    file.close();
    StoryHarness h;
    EXPECT_TRUE(h.story.LoadFile(file.fileName()));
    EXPECT_EQ(h.shown(), "Привет\n");
}

TEST(Loading, TheLongestStoryLoadsAndOneLineMoreIsRefused) {
    QByteArray longest = QByteArray("pn x\r\n").repeated(Story::kMaxLineCount - 2) + "pn last\r\n";
    StoryHarness h;
    ASSERT_TRUE(h.story.LoadBytes(longest));
    EXPECT_EQ(h.story.LineCount(), Story::kMaxLineCount);
    EXPECT_TRUE(h.shown().endsWith("x\nlast\n"));
    EXPECT_TRUE(h.host.boxes.isEmpty());

    StoryHarness over;
    EXPECT_FALSE(over.story.LoadBytes(longest + "\r"));
    EXPECT_EQ(over.host.boxes.size(), 1);
    EXPECT_EQ(over.story.LineCount(), 0);
    EXPECT_EQ(over.shown(), "");
}
