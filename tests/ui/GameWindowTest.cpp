// The game window played as a player would: keys pressed in Input1 and around it, the saved
// games, the settings that last. Each test keeps its autosaves and settings in a folder of its
// own. What a turn prints is the engine's, and the golden stories check it.

#include "WindowTestSupport.h"
#include "player/HowToPlay.h"
#include "support/StoryHarness.h"
#include "ui/CommandLine.h"
#include "ui/HistoryView.h"
#include "ui/MainForm.h"
#include "ui/MessagePanel.h"
#include "ui/Opts.h"
#include "ui/ReplayProgressDialog.h"
#include "ui/SavedGames.h"
#include "ui/TurnAnnouncer.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTimer>
#include <QTreeWidget>
#include <cmath>

namespace {

// A kitchen with bread, a room function that counts, one with markup, one that takes the bread,
// and one that sings longer than the console is high.
QStringList kitchenStory(const QString &two = u"два"_qs) {
    QString song = u"+func петь,pn Куплет 1."_qs;
    for (int verse = 2; verse <= 100; ++verse)
        song += u" | pn Куплет %1."_qs.arg(verse);
    return uR"(item хлеб
+title хлебушек
room кухня
+text Тёплая кухня.
+item хлеб
+func считать,pn раз | pn %1 | pn три
+func выделить,pn <b>жирный</b> <i>
+func ёлка,pn Ёлка. Tree tree | ++item хлеб | deleteitem кухня,хлеб | set ель=1
%2
pn Вступление.
setroom кухня
wait)"_qs.arg(two, song)
        .split(u'\n');
}

QStringList slowStory() {
    return QString::fromUtf8(kSlowStory.data(), qsizetype(kSlowStory.size())).split(u"\r\n"_qs);
}

const QString kCounted = u">считать\n\nраз\nдва\nтри\n"_qs;
const QString kLooked = u">осм\n"_qs; // the first line of the turn «осм»
const QString kOpening = u"Вступление.\n"_qs;

} // namespace

class GameWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_home;
    StoryFolder m_stories;
    RecordingPresenter m_presenter;
    std::unique_ptr<MainForm> m_form;
    QPlainTextEdit *m_output = nullptr;
    CommandLine *m_input = nullptr;

    void openWindow() {
        m_form.reset();
        m_presenter = RecordingPresenter();
        m_form = std::make_unique<MainForm>(m_presenter);
        m_output = control<QPlainTextEdit>(*m_form, "Output");
        m_input = control<CommandLine>(*m_form, "Input1");
        QVERIFY(m_form->LoadFile(m_stories.path(u"кухня.teg"_qs)));
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }

    // Keys as a player presses them, to whatever has the focus: text types itself; ↑ ↓ ⏎ ⇟ are
    // Up, Down, Enter and PgDn, ⇲ is Ctrl+End; Z and Y come with Ctrl, + and - with Ctrl on the
    // keypad. @ puts the focus in the console, as a click does; R restarts the story, r asks to
    // and is refused; ↻ closes the window and opens the story again.
    void press(const QString &keys) {
        const QString symbols = u"↑↓⏎⇟⇲ZY+-"_qs;
        const auto keypad = Qt::ControlModifier | Qt::KeypadModifier;
        const QKeyCombination combinations[] = {
            Qt::Key_Up,           Qt::Key_Down,           Qt::Key_Return,
            Qt::Key_PageDown,     Qt::CTRL | Qt::Key_End, Qt::CTRL | Qt::Key_Z,
            Qt::CTRL | Qt::Key_Y, keypad | Qt::Key_Plus,  keypad | Qt::Key_Minus};
        for (QChar key : keys) {
            QWidget *focus = QApplication::focusWidget();
            if (key == u'@') {
                m_output->setFocus();
            } else if (key == u'↻') {
                openWindow();
            } else if (key == u'R' || key == u'r') {
                m_presenter.answer = key == u'R';
                m_form->savedGames().restart();
            } else if (const qsizetype i = symbols.indexOf(key); i >= 0) {
                QTest::keyClick(focus, combinations[i].key(), combinations[i].keyboardModifiers());
            } else {
                typeText(focus, key);
            }
        }
    }

    QString shown() const { return m_output->toPlainText(); }

private Q_SLOTS:
    void init() {
        m_home = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", m_home->filePath(u"data"_qs).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", m_home->filePath(u"config"_qs).toLocal8Bit());
        m_stories.write(u"кухня.teg"_qs, kitchenStory());
        openWindow();
    }

    // After the turns «считать» and «осм», the keys; then how the console begins, what the input
    // line holds (nothing unless said), whether a turn can be played again, and the steps of
    // larger text.
    void keys_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("console");
        QTest::addColumn<bool>("canRedo");
        QTest::addColumn<int>("zoom");
        const auto row = [](const char *name, const QString &keys, const QString &console,
                            const QString &line = {}, bool canRedo = false, int zoom = 0) {
            QTest::newRow(name) << keys << line << console << canRedo << zoom;
        };
        row("markup is shown as printed", u"выделить⏎"_qs, u">выделить\n\n<b>жирный</b> <i>\n"_qs);
        row("Up stops at the first line", u"↑↑↑"_qs, kLooked, u"считать"_qs);
        row("a half-typed line waits below", u"вз↑↑↓↓"_qs, kLooked, u"вз"_qs);
        row("Enter plays a recalled line", u"↑↑⏎"_qs, kCounted);
        row("typing in the console goes to the line", u"@считать⏎"_qs, kCounted);
        row("undo on an empty line", u"Z"_qs, kCounted, {}, true);
        row("undo, redo", u"ZY"_qs, kLooked);
        row("undo on a typed line edits it", u"абZ"_qs, kLooked);
        row("a turn drops what could be redone", u"Zосм⏎↑↑"_qs, kLooked, u"считать"_qs);
        row("restart", u"R"_qs, kOpening);
        row("restart refused", u"r"_qs, kLooked);
        row("the game goes on when the story is opened again", u"↻↑"_qs, kLooked, u"осм"_qs);
        row("zoom types nothing", u"++-"_qs, kLooked, {}, false, 1);
    }

    void keys() {
        QFETCH(QString, keys);
        QFETCH(QString, console);
        QFETCH(int, zoom);
        const double size = m_output->font().pointSizeF() * std::pow(1.125, zoom);
        press(u"считать⏎осм⏎"_qs + keys);
        QTEST(m_input->text(), "line");
        QVERIFY2(shown().startsWith(console), qPrintable(shown()));
        QTEST(control<QAction>(*m_form, "Redo")->isEnabled(), "canRedo");
        QVERIFY(m_input->hasFocus());
        QCOMPARE(m_output->font().pointSizeF(), size);
    }

    // A turn longer than the console opens at its first line; PgDn and Ctrl+End read on.
    void aLongTurnOpensAtItsStart() {
        const QScrollBar *scroll = m_output->verticalScrollBar();
        press(u"петь⏎"_qs);
        QVERIFY(shown().endsWith(u"Куплет 100.\n"_qs) && scroll->value() == 0);
        press(u"⇟"_qs);
        QVERIFY(scroll->value() > 0);
        press(u"⇲"_qs);
        QCOMPARE(scroll->value(), scroll->maximum());
    }

    // A story that cannot be read is told in a box even when the author's messages go to the panel.
    void aStoryThatCannotBeReadIsAlwaysABox() {
        QSettings(WindowSettings::DefaultPath(), QSettings::IniFormat)
            .setValue(u"messages/display"_qs, u"panel"_qs);
        MainForm form(m_presenter);
        m_presenter.messages.clear();
        QVERIFY(!form.LoadFile(m_stories.path(u"нет такой.teg"_qs)));
        QCOMPARE(m_presenter.messages.size(), 1);
    }

    // A broken autosave is set aside, and the story starts afresh.
    void aBrokenAutosaveIsSetAside() {
        press(u"считать⏎"_qs);
        const QDir folder(MainForm::DataFolder() + u"/autosave"_qs, u"*.zsave*"_qs);
        QVERIFY(overwrite(folder.filePath(folder.entryList({u"*.zsave"_qs}).constFirst()),
                          "zuft-save 999\n"));
        openWindow();
        QVERIFY(shown().startsWith(kOpening));
        QVERIFY(control<QLabel>(*m_form, "Note")->text().contains(u"отложена"_qs));
        QCOMPARE(folder.entryList({u"*.zsave*"_qs}, QDir::Files).size(), 3); // and the lock
    }

    // A second window on the story plays a copy of the first one's game, kept on its own.
    void aSecondWindowPlaysACopy() {
        press(u"считать⏎"_qs);
        const QDir folder(MainForm::DataFolder() + u"/autosave"_qs);
        const QString kept = folder.filePath(folder.entryList({u"*.zsave"_qs}).constFirst());
        const QByteArray before = contents(kept);
        m_presenter.choice = 1; // keep nothing: the turn below is written nowhere
        MainForm watching(m_presenter);
        QVERIFY(watching.LoadFile(m_stories.path(u"кухня.teg"_qs)));
        control<CommandLine>(watching, "Input1")->setText(u"осм"_qs);
        QTest::keyClick(control<CommandLine>(watching, "Input1"), Qt::Key_Return);
        QCOMPARE(folder.entryList({u"*.zsave"_qs}).size(), 1);
        m_presenter.choice = 0;
        MainForm second(m_presenter);
        QVERIFY(second.LoadFile(m_stories.path(u"кухня.teg"_qs)));
        QCOMPARE(ToQString(m_presenter.messages.last().title), u"Игра уже открыта"_qs);
        QVERIFY(second.game().journal().Position() == 1); // the first window's game
        control<CommandLine>(second, "Input1")->setText(u"осм"_qs);
        QTest::keyClick(control<CommandLine>(second, "Input1"), Qt::Key_Return);
        QCOMPARE(contents(kept), before);
        QCOMPARE(folder.entryList({u"*.zsave"_qs}).size(), 2);
    }

    // Enter pressed while a slow game comes back presses nothing: what was typed waits in the
    // input line, and the game is resumed whole.
    void typingDuringAResumeWaitsForTheInputLine() {
        m_stories.write(u"кухня.teg"_qs, slowStory());
        openWindow();
        for (int turn = 0; turn < 12; ++turn) // more than a second to play again
            press(u"ждать⏎"_qs);
        QWidget *dialog = nullptr;
        QTimer::singleShot(ReplayProgressDialog::kShownAfterMs + 200, [&dialog] {
            dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            typeText(dialog, u"осм"_qs);
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        openWindow();
        QVERIFY(dialog);
        QCOMPARE(m_form->game().journal().Position(), 12u);
        QCOMPARE(m_input->text(), u"осм"_qs);
    }

    // A save that fails, on a full disk or to a folder, keeps the old file and says why, as a
    // restore from a missing file does; a save of a story changed since says from which turn.
    void savesAndRestoresFiles() {
        SavedGames &games = m_form->savedGames();
        const QString save = m_home->filePath(u"игра.zsave"_qs);
        press(u"считать⏎"_qs);
        QVERIFY(games.saveTo(save));
        const QByteArray saved = contents(save);
        press(u"осм⏎"_qs);
        {
            const FullDisk full;
            QVERIFY(!games.saveTo(save));
        }
        QVERIFY(!games.saveTo(m_home->path()));
        QVERIFY(!games.restoreFrom(m_home->filePath(u"нет"_qs)));
        QCOMPARE(m_presenter.messages.size(), 3);
        QCOMPARE(contents(save), saved);
        QVERIFY(shown().startsWith(kLooked));
        QVERIFY(games.restoreFrom(save));
        QCOMPARE(shown(), kCounted);

        m_stories.write(u"кухня.teg"_qs, kitchenStory(u"Два"_qs));
        openWindow();
        QVERIFY(m_form->savedGames().restoreFrom(save));
        QVERIFY(ToQString(m_presenter.messages.last().text).contains(u"ходе 1"_qs));
    }

    // «Настройки...» shows the size in force and explains a wrong one. What the player chose
    // comes back at the next start; a broken settings file falls back to the defaults; settings
    // that cannot be kept are told once, and still apply.
    void settingsLast() {
        m_form->openSettings();
        auto *opts = control<Opts>(*m_form, "Opts");
        auto *size = control<QLineEdit>(*opts, "FontSize1");
        auto *problem = control<QLabel>(*opts, "Problem");
        QVERIFY(!size->text().isEmpty());
        size->setText(u"1000"_qs);
        QTest::mouseClick(control<QPushButton>(*opts, "TheOK"), Qt::LeftButton);
        QVERIFY(opts->isVisible() && problem->isVisible());
        QVERIFY(problem->text().contains(u"от 4 до 144"_qs));
        QVERIFY(problem->height() >= problem->heightForWidth(problem->width())); // all of it shows
        size->setText(u"15,5"_qs);
        QTest::mouseClick(control<QPushButton>(*opts, "TheOK"), Qt::LeftButton);
        QVERIFY(!opts->isVisible());
        m_form->zoom(+1);
        m_form->setTheme(Theme::Dark);
        const QColor dark = m_output->palette().color(QPalette::Base);
        openWindow();
        QCOMPARE(m_output->font().pointSizeF(), 15.5 * 1.125);
        QCOMPARE(m_output->palette().color(QPalette::Base), dark);

        const QString settings = WindowSettings::DefaultPath();
        // The window's size is kept a moment after it changes, not only at a clean quit.
        m_form->resize(m_form->width() + 40, m_form->height());
        QTRY_VERIFY(
            !QSettings(settings, QSettings::IniFormat).value(u"window/geometry"_qs).isNull());
        // Broken, though what the toolkit can read of it would ask for the dark theme and size 20.
        QVERIFY(overwrite(settings, "[view\ntheme=dark\n[font]\nsize=20\n"));
        openWindow();
        QCOMPARE(m_output->font(), QApplication::font());
        QVERIFY(m_output->palette().color(QPalette::Base) != dark);
        m_form->zoom(+1); // the broken file is written anew, and that is no trouble to report
        m_form->zoom(-1);
        QVERIFY(m_presenter.messages.isEmpty());
        QCOMPARE(QSettings(settings, QSettings::IniFormat).status(), QSettings::NoError);

        QVERIFY(QFile::remove(settings) && QDir().mkpath(settings + u"/in-the-way"_qs));
        m_form->zoom(+1);
        m_form->zoom(+1);
        QCOMPARE(m_presenter.messages.size(), 1);
        QCOMPARE(m_output->font().pointSizeF(), QApplication::font().pointSizeF() * 1.125 * 1.125);
    }

    // «История игры» shows the game as the console showed it, each find in turn (n for next,
    // p for previous) lands where the row says (-1 for nowhere) whatever the case, and the view
    // says what it did.
    void historyFindsIgnoringCase_data() {
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("directions");
        QTest::addColumn<QList<int>>("found");
        QTest::addColumn<QString>("status");
        const auto row = [](const char *name, const QString &wanted, const QString &directions,
                            const QList<int> &found, const QString &status) {
            QTest::newRow(name) << wanted << directions << found << status;
        };
        row("Cyrillic, Ё and ё", u"ЁЛК"_qs, u"nnn"_qs, {29, 35, 29},
            u"Поиск продолжен с начала."_qs);
        row("previous from the start", u"ёлк"_qs, u"p"_qs, {35}, u"Поиск продолжен с конца."_qs);
        row("Latin", u"TREE"_qs, u"nnp"_qs, {41, 46, 41}, QString());
        row("nowhere", u"дерево"_qs, u"n"_qs, {-1}, u"Не найдено: «дерево»."_qs);
    }

    void historyFindsIgnoringCase() {
        QFETCH(QString, wanted);
        QFETCH(QString, directions);
        const QString opening = shown();
        press(u"ёлка⏎"_qs);
        control<QAction>(*m_form, "History")->trigger();
        const auto &view = *control<HistoryView>(*m_form, "HistoryView");
        auto *text = control<QPlainTextEdit>(view, "HistoryText");
        QCOMPARE(text->toPlainText(), opening + u'\n' + shown());
        control<QLineEdit>(view, "FindText")->setText(wanted);
        QList<int> found;
        for (QChar direction : directions) {
            control<QPushButton>(view, direction == u'n' ? "FindNext" : "FindPrevious")->click();
            const QTextCursor at = text->textCursor();
            const bool match = at.selectedText().compare(wanted, Qt::CaseInsensitive) == 0;
            found.append(at.hasSelection() && match ? at.selectionStart() : -1);
        }
        QTEST(found, "found");
        QTEST(control<QLabel>(view, "FindStatus")->text(), "status");
    }

    // The history saved as text is what the view shows, in UTF-8; a file that cannot be written
    // is told in a box. The start of a game too long to keep is said to be forgotten.
    void historySavesWhatItShows() {
        for (int turn = 0; turn < 10; ++turn)
            press(u"считать⏎петь⏎"_qs);
        control<QAction>(*m_form, "History")->trigger();
        auto &view = *control<HistoryView>(*m_form, "HistoryView");
        const auto *text = control<QPlainTextEdit>(view, "HistoryText");
        QTextCursor top = text->cursorForPosition({0, 0}); // the latest turn, from its start
        top.movePosition(QTextCursor::StartOfLine);
        top.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
        QCOMPARE(top.selectedText(), u">петь"_qs);
        QVERIFY(view.geometry().intersects(m_form->geometry()));
        const QString path = m_home->filePath(u"история.txt"_qs);
        QVERIFY(view.saveTo(path));
        QCOMPARE(contents(path),
                 control<QPlainTextEdit>(view, "HistoryText")->toPlainText().toUtf8());
        QVERIFY(!view.saveTo(m_home->filePath(u"нет такой папки/история.txt"_qs)));
        QCOMPARE(m_presenter.messages.size(), 1);
        QVERIFY(ToQString(m_presenter.messages[0].text).contains(u"нет такой папки"_qs));
        // A turn adds to the open view what the view shown anew would show.
        press(u"петь⏎"_qs);
        const QString added = text->toPlainText();
        control<QAction>(*m_form, "History")->trigger();
        QCOMPARE(text->toPlainText(), added);
        view.setHistory({u"", u"", u">ждать\r\nПрошёл час.\r\n"}, 2);
        QVERIFY(text->toPlainText().endsWith(u"Забыто ходов: 2.\n\n>ждать\nПрошёл час.\n"_qs));
        // What the game forgets since it was shown goes from the start.
        const std::vector<std::u16string> grown{u"", u"", u">ждать\r\nПрошёл час.\r\n", u">петь",
                                                u">петь\r\nЛя."};
        view.addNewExchanges(grown, 3);
        QVERIFY(text->toPlainText().endsWith(u"Забыто ходов: 3.\n\n>петь\n\n>петь\nЛя."_qs));
        const QString forgot = text->toPlainText();
        view.setHistory(grown, 3);
        QCOMPARE(text->toPlainText(), forgot);
    }

    // The debug view (F12) follows the game: every section as one line, its heading, then each
    // row's two columns.
    void debugViewShowsTheWorldAsTheTurnLeftIt() {
        control<QAction>(*m_form, "DebugViewShown")->trigger();
        press(u"ёлка⏎"_qs);
        const auto *tree = control<QTreeWidget>(*m_form, "DebugTree");
        QStringList sections;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            const QTreeWidgetItem *section = tree->topLevelItem(i);
            sections.append(section->text(0));
            for (int row = 0; row < section->childCount(); ++row)
                sections.last() += u" | %1 = %2"_qs.arg(section->child(row)->text(0),
                                                        section->child(row)->text(1));
        }
        QCOMPARE(
            sections,
            QStringList(
                {u"Комната | Имя = кухня | Заголовок =  | Номер = 1"_qs, u"Предметы здесь (0)"_qs,
                 u"Предметы у игрока (1) | хлеб = слово «хлебушек», № 1"_qs,
                 u"Переменные (1) | ель = 1"_qs, u"Строка сценария | Номер = 12 | Текст = wait"_qs,
                 u"Последнее ожидание | Номер = 12 | Текст = wait"_qs,
                 u"Строка последнего сообщения автору | Номер = сообщений ещё не было"_qs}));
    }

    // The panel of messages to the author, and the debug view, name the line where the failing
    // command is written: here a "pm" in a room function's body, whose box names the waiting
    // point instead.
    void messagesNameTheLineOfTheCommand() {
        QStringList story = kitchenStory();
        story[5] = u"+func считать,pn раз | pm два | pn три"_qs; // line 6
        m_stories.write(u"кухня.teg"_qs, story);
        openWindow();
        m_form->openSettings();
        auto *opts = control<Opts>(*m_form, "Opts");
        auto *messages = control<QComboBox>(*opts, "Messages");
        messages->setCurrentIndex(messages->findText(u"В панели рядом с консолью"_qs));
        QTest::mouseClick(control<QPushButton>(*opts, "TheOK"), Qt::LeftButton);
        control<QAction>(*m_form, "DebugViewShown")->trigger();
        press(u"считать⏎"_qs);
        const QString copied = control<MessagePanel>(*m_form, "MessagePanel")->copiedText();
        QVERIFY2(copied.startsWith(u"Строка 6. Внимание!: Внимание! Неизвестная комманда (pm) · "
                                   u"Строка файла: 12"_qs),
                 qPrintable(copied));
        const auto *tree = control<QTreeWidget>(*m_form, "DebugTree");
        const QTreeWidgetItem *last = tree->topLevelItem(tree->topLevelItemCount() - 1);
        QCOMPARE(last->child(0)->text(1), u"6"_qs);
        QCOMPARE(last->child(1)->text(1), story[5]);
    }

    // «Справка» → «Как играть» shows the core's text, the same that the page and zuft-cli show.
    void howToPlayShowsTheCoresText() {
        control<QAction>(*m_form, "HowToPlay")->trigger();
        QCOMPARE(m_presenter.messages.size(), 1);
        QCOMPARE(ToQString(m_presenter.messages[0].title), u"Как играть"_qs);
        QCOMPARE(ToQString(m_presenter.messages[0].text).replace(u'\r', u'\n'),
                 ToQString(HowToPlayText()));
        QVERIFY(ToQString(m_presenter.messages[0].text).contains(u"инв (или инвентарь"_qs));
    }

    // A screen reader hears what the turn printed, without the echo of the typed line and
    // without layout characters.
    void screenReadersHearEachTurn() {
        press(u"считать⏎"_qs);
        QCOMPARE(control<TurnAnnouncer>(*m_form, "TurnAnnouncer")->accessibleName(),
                 u"раз\nдва\nтри"_qs);
        QCOMPARE(TurnAnnouncer::PlainText(u"а\u2028б\r\n\tв\u200e\r\n\r\n"), u"а\nб\n\tв"_qs);
    }

    // The console's menu: copy and select all, then the window's own items.
    void consoleMenuKeepsItsItems() {
        QStringList offered;
        QTimer::singleShot(0, [&offered] {
            for (const QAction *action : QApplication::activePopupWidget()->actions())
                offered.append(action->text());
            QApplication::activePopupWidget()->close();
        });
        QContextMenuEvent click(QContextMenuEvent::Mouse, {20, 20},
                                m_output->viewport()->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(m_output->viewport(), &click);
        QVERIFY(offered.size() > 10);
        for (const char *name : {"ClearConsole", "Settings", "SaveGame", "Undo", "History"})
            QVERIFY2(offered.contains(control<QAction>(*m_form, name)->text()), name);
    }
};

QTEST_MAIN(GameWindowTest)
#include "GameWindowTest.moc"
