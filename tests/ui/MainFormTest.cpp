// The game window played as a player would: typing a line into Input1 and pressing Enter.

#include "ui/MainForm.h"
#include "WindowTestSupport.h"
#include "engine/Story.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {

// A kitchen with bread, a function that prints a long answer, and an opening that is longer
// than the console is high.
QStringList kitchenStory() {
    QStringList lines{
        u"item хлеб"_qs,
        u"+title хлеб"_qs,
        u"+text Свежий хлеб."_qs,
        u"+downtext На столе лежит хлеб."_qs,
        u"+func_loc взять хлеб,pn Вы взяли хлеб. | ++item хлеб | deleteitem кухня,хлеб"_qs,
        u"room кухня"_qs,
        u"+text Тёплая кухня."_qs,
        u"+item хлеб"_qs,
        u"+func считать,pn раз | pn два | pn три"_qs,
        u"+func ошибиться,pn До ошибки. | непонятно что"_qs,
    };
    QString longAnswer = u"+func петь,pn Куплет 1."_qs;
    for (int verse = 2; verse <= 100; ++verse)
        longAnswer += u" | pn Куплет %1."_qs.arg(verse);
    lines.append(longAnswer);
    for (int line = 1; line <= 60; ++line)
        lines.append(u"pn Вступление, строка %1."_qs.arg(line));
    lines.append({u"setroom кухня"_qs, u"wait"_qs});
    return lines;
}

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void windowHasItsControls();
    void lookWordIsSetWhenTheStoryLoads();
    void typedLineAndEnterPlayTurn_data();
    void typedLineAndEnterPlayTurn();
    void serviceMarkerComesBackIntoTheInputLine();
    void openingShowsItsStartAndTurnItsEnd();
    void boxShowsWhatWasPrintedBeforeIt();
    void clearConsoleFromItsShortcut();
    void consoleMenuOffersClearAndSettings();
    void closingTheGameWindowEndsTheProgram();

private:
    void type(const QString &line);

    StoryFolder m_stories;
    RecordingPresenter m_presenter;
    MainForm *m_form = nullptr;
    QPlainTextEdit *m_output = nullptr;
    QLineEdit *m_input = nullptr;
};

void MainFormTest::init() {
    m_presenter = RecordingPresenter();
    m_form = new MainForm(m_presenter);
    m_output = control<QPlainTextEdit>(*m_form, "Output");
    m_input = control<QLineEdit>(*m_form, "Input1");
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    QVERIFY(m_form->LoadFile(m_stories.write(u"кухня.teg"_qs, kitchenStory())));
}

void MainFormTest::cleanup() {
    delete m_form;
}

void MainFormTest::type(const QString &line) {
    typeText(m_input, line);
    QTest::keyClick(m_input, Qt::Key_Return);
}

void MainFormTest::windowHasItsControls() {
    QCOMPARE(m_form->windowTitle(), u"Зуфт Win v. 1.0"_qs);
    QVERIFY(m_output->isReadOnly());
    QCOMPARE(m_output->palette().color(QPalette::Base), QColor(255, 255, 192));
    QCOMPARE(m_input->palette().color(QPalette::Base), QColor(255, 192, 255));
    auto *ok = control<QPushButton>(*m_form, "BtnOk");
    QVERIFY(ok->isDefault());
    QVERIFY(!ok->isVisible());
    QVERIFY(m_input->hasFocus());
}

void MainFormTest::lookWordIsSetWhenTheStoryLoads() {
    QCOMPARE(m_form->story().world().LookWord, u"осм"_qs);
    type(u"осм"_qs);
    QCOMPARE(m_output->toPlainText(), u">осм\n\nТёплая кухня.\nНа столе лежит хлеб.\n"_qs);
}

void MainFormTest::typedLineAndEnterPlayTurn_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("shown");

    QTest::newRow("a room function")
        << QStringList{u"считать"_qs} << u">считать\n\nраз\nдва\nтри\n"_qs;
    QTest::newRow("an item function")
        << QStringList{u"взять хлеб"_qs} << u">взять хлеб\n\nВы взяли хлеб.\n"_qs;
    QTest::newRow("each turn shows only itself")
        << QStringList{u"считать"_qs, u"взять хлеб"_qs, u"инв"_qs}
        << u">инв\n\nУ вас есть с собой:\nхлеб\n"_qs;
    QTest::newRow("the echo keeps the typed case")
        << QStringList{u"ВЗЯТЬ Хлеб"_qs}
        << u">ВЗЯТЬ Хлеб\n\nПредмет не поддерживает это деиствие!\n"_qs;
}

void MainFormTest::typedLineAndEnterPlayTurn() {
    QFETCH(QStringList, lines);
    QFETCH(QString, shown);
    for (const QString &line : lines)
        type(line);
    QCOMPARE(m_output->toPlainText(), shown);
    QCOMPARE(m_input->text(), QString());
}

void MainFormTest::serviceMarkerComesBackIntoTheInputLine() {
    type(u"###"_qs);
    QCOMPARE(m_output->toPlainText(), u">###\n\nЭто что ввы ввели?\n"_qs);
    QCOMPARE(m_input->text(), u"###"_qs);
    QCOMPARE(m_input->cursorPosition(), 3);
}

void MainFormTest::openingShowsItsStartAndTurnItsEnd() {
    QScrollBar *scroll = m_output->verticalScrollBar();
    QVERIFY(m_output->toPlainText().startsWith(u"Вступление, строка 1.\n"_qs));
    QVERIFY(scroll->maximum() > 0);
    QCOMPARE(scroll->value(), 0);

    type(u"петь"_qs);
    QVERIFY(m_output->toPlainText().endsWith(u"Куплет 100.\n"_qs));
    QVERIFY(scroll->maximum() > 0);
    QCOMPARE(scroll->value(), scroll->maximum());
}

// The console is up to date behind a box, so the author sees what led to it.
void MainFormTest::boxShowsWhatWasPrintedBeforeIt() {
    type(u"ошибиться"_qs);
    QCOMPARE(m_presenter.messages.size(), 1);
    QCOMPARE(m_presenter.messages[0].title, u"Внимание!"_qs);
    QCOMPARE(m_presenter.consoleBehindBox[0], u">ошибиться\n\nДо ошибки.\n"_qs);
}

void MainFormTest::clearConsoleFromItsShortcut() {
    type(u"считать"_qs);
    QTest::keyClick(m_input, Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(m_output->toPlainText(), QString());

    // A cleared console goes on with the next turn as usual.
    type(u"считать"_qs);
    QCOMPARE(m_output->toPlainText(), u">считать\n\nраз\nдва\nтри\n"_qs);
}

void MainFormTest::consoleMenuOffersClearAndSettings() {
    QStringList offered;
    QTimer::singleShot(0, [&offered] {
        QWidget *menu = QApplication::activePopupWidget();
        if (!menu)
            return;
        for (const QAction *action : menu->actions())
            offered.append(action->text());
        menu->close();
    });
    const QPoint point(20, 20);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, point,
                                 m_output->viewport()->mapToGlobal(point));
    QApplication::sendEvent(m_output->viewport(), &rightClick);
    QVERIFY(offered.contains(u"Очистить консоль"_qs));
    QVERIFY(offered.contains(u"Настройки..."_qs));
}

// Even with another window left hidden, as the launcher is, the program ends.
void MainFormTest::closingTheGameWindowEndsTheProgram() {
    QWidget hiddenLauncher;
    hiddenLauncher.show();
    hiddenLauncher.hide();
    QTimer::singleShot(0, m_form, &QWidget::close);
    QTimer stillRunning;
    stillRunning.setSingleShot(true);
    connect(&stillRunning, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    stillRunning.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!m_form->isVisible());
}

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
