// The record of the chosen story when the program dies while writing it: whatever moment the
// crash comes, the record reads back as the choice before or the choice being written.

#include "launcher/ChoiceRecord.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

class ChoiceRecordInterruptionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aCrashWhileWritingLeavesTheOldOrTheNewChoice_data();
    void aCrashWhileWritingLeavesTheOldOrTheNewChoice();
    void aRecordCutShortStillReads_data();
    void aRecordCutShortStillReads();

private:
    QTemporaryDir m_folder;
};

namespace {

const QString kBefore = u"/home/игрок/истории/старая.teg"_qs;
const QString kAfter = u"/home/игрок/истории/новая история.teg"_qs;

// A child process writes the two choices in turn until it is killed, like a program that dies
// at an unknown moment of its write.
void writeUntilKilled(const QString &path, int microseconds) {
    const pid_t child = fork();
    if (child == 0) {
        ChoiceRecord record(path);
        for (;;) {
            record.Write(kAfter);
            record.Write(kBefore);
        }
    }
    QVERIFY(child > 0);
    usleep(useconds_t(microseconds));
    kill(child, SIGKILL);
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFSIGNALED(status));
}

} // namespace

void ChoiceRecordInterruptionTest::aCrashWhileWritingLeavesTheOldOrTheNewChoice_data() {
    QTest::addColumn<int>("microseconds");
    for (int microseconds : {0, 100, 300, 700, 1500, 3000, 7000, 20000})
        QTest::addRow("killed after %d us", microseconds) << microseconds;
}

void ChoiceRecordInterruptionTest::aCrashWhileWritingLeavesTheOldOrTheNewChoice() {
    QFETCH(int, microseconds);
    const QString path =
        m_folder.filePath(QStringLiteral("crash%1/special1.tmp").arg(microseconds));
    ChoiceRecord record(path);
    QVERIFY(record.Write(kBefore));

    writeUntilKilled(path, microseconds);

    QString chosen;
    QVERIFY2(record.Read(chosen), qPrintable(record.ErrorString()));
    QVERIFY2(chosen == kBefore || chosen == kAfter, qPrintable(chosen));
    // Whatever the dead writer left beside the record does not stand in the way of the next.
    QVERIFY(record.Write(u"/третья.teg"_qs));
    QVERIFY(record.Read(chosen));
    QCOMPARE(chosen, u"/третья.teg"_qs);
}

void ChoiceRecordInterruptionTest::aRecordCutShortStillReads_data() {
    QTest::addColumn<int>("length");
    for (int length = 0; length <= ChoiceRecord::Format(kAfter).size(); ++length)
        QTest::addRow("%d bytes", length) << length;
}

// A record cut short, as a copy to a full disk leaves it, gives back as much of the path as it
// holds: the launcher then offers a path that does not exist, never fails to start.
void ChoiceRecordInterruptionTest::aRecordCutShortStillReads() {
    QFETCH(int, length);
    QFile file(m_folder.filePath(u"cut.tmp"_qs));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(ChoiceRecord::Format(kAfter).left(length));
    file.close();
    QString chosen;
    QVERIFY(ChoiceRecord(file.fileName()).Read(chosen));
    QVERIFY2(kAfter.startsWith(chosen), qPrintable(chosen));
}

QTEST_GUILESS_MAIN(ChoiceRecordInterruptionTest)
#include "ChoiceRecordInterruptionTest.moc"
