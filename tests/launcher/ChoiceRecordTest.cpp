// The record of the chosen story: the one-line format, and what becomes of a record that cannot
// be read or written.

#include "launcher/ChoiceRecord.h"
#include "engine/Windows1251.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

class ChoiceRecordTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void readsTheFirstField_data();
    void readsTheFirstField();
    void refusesPathsItCannotGiveBack_data();
    void refusesPathsItCannotGiveBack();
    void unreadableRecordSaysWhy_data();
    void unreadableRecordSaysWhy();
    void unwritableRecordSaysWhy();

private:
    QTemporaryDir m_folder;
};

void ChoiceRecordTest::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_folder.isValid());
}

void ChoiceRecordTest::readsTheFirstField_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("chosen");

    QTest::newRow("as written") << QByteArray("\"D:\\a.teg\"\r\n") << u"D:\\a.teg"_qs;
    QTest::newRow("leading spaces")
        << QByteArray("   \"/игры/а.teg\"\r\n")
               .replace("/игры/а.teg", EncodeWindows1251(u"/игры/а.teg"_qs))
        << u"/игры/а.teg"_qs;
    QTest::newRow("empty choice") << QByteArray("\"\"\r\n") << QString();
    QTest::newRow("empty file") << QByteArray() << QString();
    QTest::newRow("comma inside quotes") << QByteArray("\"/a,b.teg\"\r\n") << u"/a,b.teg"_qs;
    QTest::newRow("unquoted ends at a comma") << QByteArray("/a.teg,x\r\n") << u"/a.teg"_qs;
    QTest::newRow("unquoted ends at the line")
        << QByteArray("/a.teg\r\n\"/b.teg\"") << u"/a.teg"_qs;
    QTest::newRow("only the first line")
        << QByteArray("\"/a.teg\"\r\n\"/b.teg\"\r\n") << u"/a.teg"_qs;
    QTest::newRow("missing closing quote ends with the line")
        << QByteArray("\"/a.teg\r\n") << u"/a.teg"_qs;
    const QByteArray junk("\x01\xff\x00\x98", 4);
    QTest::newRow("binary junk") << junk << DecodeWindows1251(junk);
}

void ChoiceRecordTest::readsTheFirstField() {
    QFETCH(QByteArray, record);
    QFETCH(QString, chosen);
    QCOMPARE(ChoiceRecord::Parse(record), chosen);
}

void ChoiceRecordTest::refusesPathsItCannotGiveBack_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("held");

    QTest::newRow("Cyrillic") << u"/home/игрок/Замок «Ёж».teg"_qs << true;
    QTest::newRow("comma and spaces") << u"/a b/c,d.teg"_qs << true;
    QTest::newRow("double quote") << u"/a\"b.teg"_qs << false;
    QTest::newRow("outside Windows-1251") << u"/故事.teg"_qs << false;
}

void ChoiceRecordTest::refusesPathsItCannotGiveBack() {
    QFETCH(QString, path);
    QFETCH(bool, held);
    QCOMPARE(ChoiceRecord::CanHold(path), held);
    ChoiceRecord record(m_folder.filePath(u"refuses.tmp"_qs));
    QCOMPARE(record.Write(path), held);
    if (!held)
        QVERIFY(!record.ErrorString().isEmpty());
}

void ChoiceRecordTest::unreadableRecordSaysWhy_data() {
    QTest::addColumn<QString>("path");

    const QString pipe = m_folder.filePath(u"pipe.tmp"_qs);
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QTest::newRow("a folder") << m_folder.path();
    QTest::newRow("a pipe that nobody writes") << pipe;
}

void ChoiceRecordTest::unreadableRecordSaysWhy() {
    QFETCH(QString, path);
    ChoiceRecord record(path);
    QString chosen = u"прежний"_qs;
    QVERIFY(!record.Read(chosen));
    QCOMPARE(chosen, QString());
    QVERIFY(!record.ErrorString().isEmpty());
}

void ChoiceRecordTest::unwritableRecordSaysWhy() {
    QFile blocker(m_folder.filePath(u"not-a-folder"_qs));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ChoiceRecord record(m_folder.filePath(u"not-a-folder/special1.tmp"_qs));
    QVERIFY(!record.Write(u"/a.teg"_qs));
    QVERIFY(!record.ErrorString().isEmpty());
    QString chosen;
    QVERIFY(!record.Read(chosen));
}

QTEST_MAIN(ChoiceRecordTest)
#include "ChoiceRecordTest.moc"
