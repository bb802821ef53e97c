// The console in the game window's box: the text shown is exactly what the story printed, and
// the view stands where the story left it.

#include "ui/WidgetConsole.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

class WidgetConsoleTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void showsWhatWasPrinted_data();
    void showsWhatWasPrinted();
    void aTurnOfTwentyThousandLinesShowsThemAll();

private:
    // "a" AddText of the rest, "e" Enter, "c" ClearText, "f" Flush.
    void run(const QStringList &operations);

    QWidget *m_window = nullptr;
    QPlainTextEdit *m_output = nullptr;
    QLineEdit *m_input = nullptr;
    WidgetConsole *m_console = nullptr;
};

void WidgetConsoleTest::init() {
    m_window = new QWidget;
    m_window->resize(360, 240);
    m_output = new QPlainTextEdit(m_window);
    m_output->setGeometry(8, 8, 340, 190);
    m_input = new QLineEdit(m_window);
    m_input->setGeometry(8, 205, 340, 25);
    m_console = new WidgetConsole(*m_output, *m_input);
}

void WidgetConsoleTest::cleanup() {
    delete m_console;
    delete m_window;
}

void WidgetConsoleTest::run(const QStringList &operations) {
    for (const QString &operation : operations) {
        if (operation.startsWith(u'a'))
            m_console->AddText(operation.mid(1));
        else if (operation == u"e")
            m_console->Enter();
        else if (operation == u"c")
            m_console->ClearText();
        else if (operation == u"f")
            m_console->Flush();
        else
            QFAIL(qPrintable(QStringLiteral("unknown operation ") + operation));
    }
    m_console->Flush();
}

void WidgetConsoleTest::showsWhatWasPrinted_data() {
    QTest::addColumn<QStringList>("operations");
    QTest::addColumn<QString>("shown");

    QTest::newRow("empty text adds nothing") << QStringList{u"aа"_qs, u"a"_qs} << u"а"_qs;
    QTest::newRow("text, line break, text")
        << QStringList{u"aа"_qs, u"e"_qs, u"aб"_qs} << u"а\nб"_qs;
    QTest::newRow("two breaks make an empty line")
        << QStringList{u"aа"_qs, u"e"_qs, u"e"_qs, u"aб"_qs} << u"а\n\nб"_qs;
    QTest::newRow("clear on an empty console") << QStringList{u"c"_qs} << QString();
    QTest::newRow("CR LF inside a text") << QStringList{u"aа\r\nб\r\nв"_qs} << u"а\nб\nв"_qs;
    QTest::newRow("text without a break goes on the same line")
        << QStringList{u"aЗдесь "_qs, u"f"_qs, u"aтемно."_qs} << u"Здесь темно."_qs;
    QTest::newRow("clear after a flush empties the box")
        << QStringList{u"aстарое"_qs, u"e"_qs, u"f"_qs, u"c"_qs, u"aновое"_qs} << u"новое"_qs;
    // A box may come between the CR and the LF of one break.
    QTest::newRow("a break split by a flush stays one")
        << QStringList{u"aа\r"_qs, u"f"_qs, u"a\nб"_qs} << u"а\nб"_qs;
    QStringList oneLinePerFlush;
    QStringList lines;
    for (int line = 1; line <= 150; ++line) {
        oneLinePerFlush << u"a"_qs + QString::number(line) << u"e"_qs << u"f"_qs;
        lines << QString::number(line);
    }
    QTest::newRow("many lines, one at a time") << oneLinePerFlush << lines.join(u'\n') + u'\n';
    QTest::newRow("markup is shown as typed")
        << QStringList{u"a<b>жирный</b> &amp;"_qs} << u"<b>жирный</b> &amp;"_qs;
}

void WidgetConsoleTest::showsWhatWasPrinted() {
    QFETCH(QStringList, operations);
    QFETCH(QString, shown);
    run(operations);
    QCOMPARE(m_output->toPlainText(), shown);
}

void WidgetConsoleTest::aTurnOfTwentyThousandLinesShowsThemAll() {
    m_window->show();
    for (int line = 1; line <= 20000; ++line) {
        m_console->AddText(u"Строка "_qs + QString::number(line));
        m_console->Enter();
    }
    m_console->ShowEnd();
    const QStringList shown = m_output->toPlainText().split(u'\n');
    QCOMPARE(shown.size(), 20001);
    QCOMPARE(shown[0], u"Строка 1"_qs);
    QCOMPARE(shown[19999], u"Строка 20000"_qs);
    // The view stands at the end: the caret's line is in view, at the foot of the box, with no
    // room for another line below it.
    const QRect caret = m_output->cursorRect();
    const QRect view = m_output->viewport()->rect();
    QVERIFY(view.contains(caret));
    QVERIFY(view.bottom() - caret.bottom() < 2 * caret.height());
    // What the player copies has the lines as they were printed.
    m_output->selectAll();
    m_output->copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), m_output->toPlainText());
}

QTEST_MAIN(WidgetConsoleTest)
#include "WidgetConsoleTest.moc"
