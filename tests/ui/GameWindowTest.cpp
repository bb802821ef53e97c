// The game window played as a player would: lines typed into Input1 and sent with Enter, the
// keys around them, the saved games, the settings that last. Each test keeps its autosaves and
// settings in a folder of its own.

#include "WindowTestSupport.h"
#include "game/Game.h"
#include "ui/CommandLine.h"
#include "ui/MainForm.h"
#include "ui/Opts.h"
#include "ui/SavedGames.h"
#include "ui/TurnAnnouncer.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <cmath>
#include <memory>

namespace {

// A kitchen with bread, a room function that counts, one with markup, one that sings longer than
// the console is high, and an opening as long.
QStringList kitchenStory(const QString &two = u"два"_qs) {
    QStringList lines{
        u"item хлеб"_qs,
        u"+title хлеб"_qs,
        u"+downtext На столе лежит хлеб."_qs,
        u"+func_loc взять хлеб,pn Вы взяли хлеб. | ++item хлеб | deleteitem кухня,хлеб"_qs,
        u"room кухня"_qs,
        u"+text Тёплая кухня."_qs,
        u"+item хлеб"_qs,
        u"+func считать,pn раз | pn "_qs + two + u" | pn три"_qs,
        u"+func выделить,pn <b>жирный</b> <i>"_qs};
    QString song = u"+func петь,pn Куплет 1."_qs;
    for (int verse = 2; verse <= 100; ++verse) {
        song += u" | pn Куплет %1."_qs.arg(verse);
        lines.append(u"pn Вступление, строка %1."_qs.arg(verse));
    }
    lines << song << u"setroom кухня"_qs << u"wait"_qs;
    return lines;
}

const QString kCounted = u">считать\n\nраз\nдва\nтри\n"_qs;
const QString kOpening = u"Вступление, строка 2."_qs;

} // namespace

class GameWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void playsTurns_data();
    void playsTurns();
    void keys_data();
    void keys();
    void aLongTurnOpensAtItsStart();
    void gameActions_data();
    void gameActions();
    void theGameGoesOnWhenTheStoryIsOpenedAgain();
    void savesAndRestoresFiles();
    void settingsLast();
    void screenReadersHearEachTurnOnce();
    void consoleMenuKeepsItsItems();

private:
    void openWindow();
    void type(const QString &line);
    void playThree();
    QString shown() const { return m_output->toPlainText(); }
    QString firstLine() const { return shown().section(u'\n', 0, 0); }

    std::unique_ptr<QTemporaryDir> m_home;
    StoryFolder m_stories;
    RecordingPresenter m_presenter;
    std::unique_ptr<MainForm> m_form;
    QPlainTextEdit *m_output = nullptr;
    CommandLine *m_input = nullptr;
};

void GameWindowTest::init() {
    m_home = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", m_home->filePath(u"data"_qs).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", m_home->filePath(u"config"_qs).toLocal8Bit());
    m_stories.write(u"кухня.teg"_qs, kitchenStory());
    openWindow();
}

void GameWindowTest::openWindow() {
    m_form.reset();
    m_presenter = RecordingPresenter();
    m_form = std::make_unique<MainForm>(m_presenter);
    m_output = control<QPlainTextEdit>(*m_form, "Output");
    m_input = control<CommandLine>(*m_form, "Input1");
    QVERIFY(m_form->LoadFile(m_stories.path(u"кухня.teg"_qs)));
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void GameWindowTest::type(const QString &line) {
    typeText(m_input, line);
    QTest::keyClick(m_input, Qt::Key_Return);
}

void GameWindowTest::playThree() {
    for (const QString &line : {u"считать"_qs, u"осм"_qs, u"взять хлеб"_qs})
        type(line);
}

void GameWindowTest::playsTurns_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("console");
    QTest::newRow("a room function") << QStringList{u"считать"_qs} << kCounted;
    QTest::newRow("each turn shows only itself")
        << QStringList{u"считать"_qs, u"взять хлеб"_qs, u"инв"_qs}
        << u">инв\n\nУ вас есть с собой:\nхлеб\n"_qs;
    QTest::newRow("the echo keeps the typed case")
        << QStringList{u"ВЗЯТЬ Хлеб"_qs}
        << u">ВЗЯТЬ Хлеб\n\nПредмет не поддерживает это деиствие!\n"_qs;
    QTest::newRow("markup is shown as printed")
        << QStringList{u"выделить"_qs} << u">выделить\n\n<b>жирный</b> <i>\n"_qs;
    QTest::newRow("a blank line changes nothing")
        << QStringList{u"считать"_qs, u"  "_qs} << kCounted;
}

void GameWindowTest::playsTurns() {
    QFETCH(QStringList, lines);
    QFETCH(QString, console);
    for (const QString &line : lines)
        type(line);
    QCOMPARE(shown(), console);
    QCOMPARE(m_input->text(), QString());
}

// Keys after the turns «считать», «осм»: a letter types itself, ↑ ↓ ⏎ are the arrows and
// Enter, Z and Y come with Ctrl, + and - with Ctrl on the keypad.
void GameWindowTest::keys_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("inConsole");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("first"); // the console's first line
    QTest::addColumn<int>("zoom");      // steps of larger text
    QTest::newRow("Up recalls the last line") << u"↑"_qs << false << u"осм"_qs << u">осм"_qs << 0;
    QTest::newRow("Up stops at the first")
        << u"↑↑↑"_qs << false << u"считать"_qs << u">осм"_qs << 0;
    QTest::newRow("a half-typed line waits below")
        << u"вз↑↑↓↓"_qs << false << u"вз"_qs << u">осм"_qs << 0;
    QTest::newRow("Enter plays a recalled line")
        << u"↑↑⏎"_qs << false << QString() << u">считать"_qs << 0;
    QTest::newRow("typing in the console goes to the line")
        << u"считать⏎"_qs << true << QString() << u">считать"_qs << 0;
    QTest::newRow("undo on an empty line") << u"Z"_qs << false << QString() << u">считать"_qs << 0;
    QTest::newRow("undo, redo") << u"ZY"_qs << false << QString() << u">осм"_qs << 0;
    QTest::newRow("undo on a typed line edits it")
        << u"абZ"_qs << false << QString() << u">осм"_qs << 0;
    QTest::newRow("zoom types nothing") << u"++-"_qs << false << QString() << u">осм"_qs << 1;
}

void GameWindowTest::keys() {
    QFETCH(QString, keys);
    QFETCH(bool, inConsole);
    QFETCH(int, zoom);
    type(u"считать"_qs);
    type(u"осм"_qs);
    (inConsole ? static_cast<QWidget *>(m_output) : m_input)->setFocus();
    const double size = m_output->font().pointSizeF() * std::pow(1.125, zoom);
    for (QChar key : keys) {
        QWidget *focus = QApplication::focusWidget();
        if (key == u'↑' || key == u'↓' || key == u'⏎')
            QTest::keyClick(focus, key == u'⏎'   ? Qt::Key_Return
                                   : key == u'↑' ? Qt::Key_Up
                                                 : Qt::Key_Down);
        else if (key == u'Z' || key == u'Y')
            QTest::keyClick(focus, Qt::Key(key.unicode()), Qt::ControlModifier);
        else if (key == u'+' || key == u'-')
            QTest::keyClick(focus, Qt::Key(key.unicode()),
                            Qt::ControlModifier | Qt::KeypadModifier);
        else
            typeText(focus, key);
    }
    QTEST(m_input->text(), "line");
    QTEST(firstLine(), "first");
    QVERIFY(m_input->hasFocus());
    QCOMPARE(m_output->font().pointSizeF(), size);
}

// A turn longer than the console opens at its first line; PgDn and Ctrl+End read on.
void GameWindowTest::aLongTurnOpensAtItsStart() {
    QScrollBar *scroll = m_output->verticalScrollBar();
    type(u"петь"_qs);
    QVERIFY(shown().endsWith(u"Куплет 100.\n"_qs));
    QCOMPARE(scroll->value(), 0);
    QTest::keyClick(m_input, Qt::Key_PageDown);
    QVERIFY(scroll->value() > 0);
    QTest::keyClick(m_input, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(scroll->value(), scroll->maximum());
}

// After the turns «считать», «осм», «взять хлеб»: the actions, then the console's first line.
void GameWindowTest::gameActions_data() {
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QString>("first");
    QTest::addColumn<bool>("canRedo");
    QTest::newRow("undo") << QStringList{u"undo"_qs} << u">осм"_qs << true;
    QTest::newRow("undo to the opening")
        << QStringList{u"undo"_qs, u"undo"_qs, u"undo"_qs} << kOpening << true;
    QTest::newRow("undo, redo") << QStringList{u"undo"_qs, u"redo"_qs} << u">взять хлеб"_qs
                                << false;
    QTest::newRow("a turn drops what could be redone")
        << QStringList{u"undo"_qs, u"считать"_qs} << u">считать"_qs << false;
    QTest::newRow("restart") << QStringList{u"restart"_qs} << kOpening << false;
    QTest::newRow("restart refused") << QStringList{u"no restart"_qs} << u">взять хлеб"_qs << false;
    QTest::newRow("restart undone")
        << QStringList{u"restart"_qs, u"undo"_qs} << u">взять хлеб"_qs << true;
}

void GameWindowTest::gameActions() {
    QFETCH(QStringList, actions);
    QFETCH(bool, canRedo);
    playThree();
    for (const QString &action : actions) {
        m_presenter.answer = action != u"no restart";
        if (action == u"undo")
            m_form->savedGames().undo();
        else if (action == u"redo")
            m_form->savedGames().redo();
        else if (action.endsWith(u"restart"))
            m_form->savedGames().restart();
        else
            type(action);
    }
    QTEST(firstLine(), "first");
    QCOMPARE(control<QAction>(*m_form, "Redo")->isEnabled(), canRedo);
}

// Closing the window and opening the story again brings the game back where it stood, with the
// input line's history; a broken autosave is set aside, and the story starts afresh.
void GameWindowTest::theGameGoesOnWhenTheStoryIsOpenedAgain() {
    playThree();
    openWindow();
    QCOMPARE(firstLine(), u">взять хлеб"_qs);
    QVERIFY(control<QLabel>(*m_form, "Note")->text().contains(u"Игра продолжается"_qs));
    QTest::keyClick(m_input, Qt::Key_Up);
    QCOMPARE(m_input->text(), u"взять хлеб"_qs);

    const QDir folder(MainForm::DataFolder() + u"/autosave"_qs);
    QFile autosave(folder.filePath(folder.entryList(QDir::Files).constFirst()));
    QVERIFY(autosave.open(QIODevice::WriteOnly));
    autosave.write("zuft-save 999\n");
    autosave.close();
    openWindow();
    QCOMPARE(firstLine(), kOpening);
    QVERIFY(control<QLabel>(*m_form, "Note")->text().contains(u"отложена"_qs));
    QCOMPARE(folder.entryList(QDir::Files).size(), 2);
}

void GameWindowTest::savesAndRestoresFiles() {
    SavedGames &games = m_form->savedGames();
    const QString save = m_home->filePath(u"игра.zsave"_qs);
    type(u"считать"_qs);
    QVERIFY(games.saveTo(save));
    type(u"осм"_qs);
    QVERIFY(games.restoreFrom(save));
    QCOMPARE(shown(), kCounted);
    // A folder cannot be written over, nor a missing file read: a box says why, nothing changes.
    QVERIFY(!games.saveTo(m_home->path()));
    QVERIFY(!games.restoreFrom(m_home->filePath(u"нет"_qs)));
    QCOMPARE(m_presenter.messages.size(), 2);
    QCOMPARE(shown(), kCounted);

    // The author changed the story since: the player is told on opening it and on restoring.
    m_stories.write(u"кухня.teg"_qs, kitchenStory(u"Два"_qs));
    openWindow();
    QVERIFY(control<QLabel>(*m_form, "Note")->text().contains(u"изменилась"_qs));
    QVERIFY(m_form->savedGames().restoreFrom(save));
    QVERIFY(ToQString(m_presenter.messages.last().text).contains(u"ходе 1"_qs));
}

void GameWindowTest::settingsLast() {
    auto *opts = control<Opts>(*m_form, "Opts");
    m_form->openSettings();
    auto *size = control<QLineEdit>(*opts, "FontSize1");
    QVERIFY(!size->text().isEmpty()); // the size in force
    size->setText(u"1000"_qs);
    QTest::mouseClick(control<QPushButton>(*opts, "TheOK"), Qt::LeftButton);
    QVERIFY(opts->isVisible());
    QVERIFY(control<QLabel>(*opts, "Problem")->text().contains(u"от 4 до 144"_qs));
    size->setText(u"15,5"_qs);
    QTest::mouseClick(control<QPushButton>(*opts, "TheOK"), Qt::LeftButton);
    QVERIFY(!opts->isVisible());
    m_form->zoom(+1);
    m_form->setTheme(Theme::Dark);
    const QColor dark = m_output->palette().color(QPalette::Base);
    openWindow();
    QCOMPARE(m_output->font().pointSizeF(), 15.5 * 1.125);
    QCOMPARE(m_output->palette().color(QPalette::Base), dark);

    // A settings file that is not one gives the story's own look.
    m_form.reset();
    QFile file(WindowSettings::DefaultPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\x01\xff[[[\nview/zoom=много\nfont/size=-3\n");
    file.close();
    openWindow();
    QCOMPARE(m_output->palette().color(QPalette::Base), QColor(255, 255, 192));
    QCOMPARE(m_output->font(), QApplication::font());

    // Settings that cannot be kept are told once, and still apply.
    QVERIFY(file.remove() && QDir().mkpath(WindowSettings::DefaultPath() + u"/in-the-way"_qs));
    m_form->zoom(+1);
    m_form->zoom(+1);
    QCOMPARE(m_presenter.messages.size(), 1);
    QCOMPARE(m_output->font().pointSizeF(), QApplication::font().pointSizeF() * 1.125 * 1.125);
}

void GameWindowTest::screenReadersHearEachTurnOnce() {
    QCOMPARE(m_form->findChild<QPushButton *>(u"BtnOk"_qs), nullptr);
    QVERIFY(!m_output->accessibleName().isEmpty() && !m_input->accessibleDescription().isEmpty());
    type(u"считать"_qs);
    QCOMPARE(control<TurnAnnouncer>(*m_form, "TurnAnnouncer")->accessibleName(),
             u"раз\nдва\nтри"_qs);
    QCOMPARE(TurnAnnouncer::PlainText(u">взять\r\n\r\nа\u2028б\r\n\tв\u200e\r\n\r\n", u"взять"),
             u"а\nб\n\tв"_qs);
}

void GameWindowTest::consoleMenuKeepsItsItems() {
    QStringList offered;
    QTimer::singleShot(0, [&offered] {
        for (const QAction *action : QApplication::activePopupWidget()->actions())
            offered.append(action->text());
        QApplication::activePopupWidget()->close();
    });
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, {20, 20},
                                 m_output->viewport()->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(m_output->viewport(), &rightClick);
    QVERIFY(offered.size() > 10); // copy and select all, then the window's
    for (const char *name : {"ClearConsole", "Settings", "SaveGame", "Undo", "Restart", "History"})
        QVERIFY2(offered.contains(control<QAction>(*m_form, name)->text()), name);
}

QTEST_MAIN(GameWindowTest)
#include "GameWindowTest.moc"
