// The launcher as the player drives it: each row is a line of actions (clicks on its pictures and
// button, keys, a launch of the program, a full disk), then what the player sees and what the
// record keeps for the next run.

#include "launcher/Intro.h"
#include "app/WindowedRun.h"
#include "launcher/ChoiceRecord.h"
#include "launcher/StoryFileDialog.h"
#include "ui/MainForm.h"
#include "ui/WindowTestSupport.h"

#include <QAccessible>
#include <QLabel>
#include <QStandardPaths>
#include <functional>
#include <optional>

namespace {

// Gives the answers the test has lined up, as a player would in the file dialog; no answer is
// a cancelled dialog.
class ScriptedDialog : public StoryFileDialog {
public:
    QString ChooseStory(QWidget *) override {
        ++opened;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QStringList answers;
    int opened = 0;
};

} // namespace

class IntroTest : public QObject {
    Q_OBJECT

    StoryFolder m_folder;
    QString m_story;
    QString m_missing;
    ScriptedDialog m_dialog;
    RecordingPresenter m_presenter;
    int m_gameWindowsShown = 0;

    std::unique_ptr<Intro> launch(ChoiceRecord &record) {
        auto intro = std::make_unique<Intro>(record, m_dialog, m_presenter);
        intro->show();
        if (!QTest::qWaitForWindowActive(intro.get()))
            qWarning("the launcher did not become active");
        return intro;
    }
    // The row's text with <story> standing for the story and <missing> for one that is not there.
    QString expand(QString text) const {
        return text.replace(u"<story>"_qs, m_story).replace(u"<missing>"_qs, m_missing);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show && qobject_cast<MainForm *>(watched))
            ++m_gameWindowsShown;
        return false;
    }

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        // The games the windows keep stay out of the player's own folder too.
        qputenv("XDG_DATA_HOME", m_folder.path(u"data"_qs).toLocal8Bit());
        m_story = m_folder.write(u"маяк.teg"_qs, {u"pn Ночь над морем."_qs, u"wait"_qs});
        m_missing = m_folder.path(u"пропавший.teg"_qs);
        qApp->installEventFilter(this);
    }

    // The actions; then the file name's caption as a screen reader has it, the record's text
    // ("" for an empty file), the titles of the boxes, the file dialogs opened, and whether the
    // story is being played.
    void playerActions_data() {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<int>("dialogs");
        QTest::addColumn<bool>("playing");
        const auto row = [](const char *name, const QString &actions, const QString &caption,
                            const QString &record, const QString &boxes, int dialogs,
                            bool playing) {
            QTest::newRow(name) << actions << caption << record << boxes << dialogs << playing;
        };
        const QString none = u"Имя файла:"_qs, chosen = u"Имя файла:\n <story>"_qs,
                      recorded = u"\"<story>\"\r\n"_qs;
        row("first run asks for a file", "launch start", none, "", "Запуск...", 0, false);
        row("a choice is kept, a cancelled dialog changes nothing", "launch choose cancel", chosen,
            recorded, "", 2, false);
        row("the choice comes back at the next run and Enter starts it",
            "launch choose launch enter", u"Имя файла:<story>"_qs, recorded, "", 1, true);
        row("a forgotten choice stays forgotten", "launch choose clear launch start", none,
            "\"\"\r\n", "Запуск...", 1, false);
        row("a story that cannot be read brings the launcher back, no game window",
            "launch choose-missing start", u"Имя файла:\n <missing>"_qs, "\"<missing>\"\r\n",
            "Ошибка!", 1, false);
        row("a story named at the start plays at once and is remembered", "named", chosen, recorded,
            "", 0, true);
        row("a named story that cannot be read leaves the launcher to choose another",
            "named-missing choose start", chosen, recorded, "Ошибка!", 1, true);
        row("a full disk keeps the old record and says why, once",
            "launch choose full-disk clear choose-missing", u"Имя файла:\n <missing>"_qs, recorded,
            "Внимание!", 2, false);
        row("a path the record cannot hold is played, not remembered", "launch choose-quote start",
            u"Имя файла:\n /a\"b.teg"_qs, "", "Внимание!,Ошибка!", 1, false);
        row("a record that cannot be read is told once", "folder-record launch choose", chosen,
            "(unreadable)", "Внимание!", 1, false);
        row("Tab reaches the pictures: Enter on the first chooses", "launch tab enter", none, "",
            "", 1, false);
        row("Space on the second starts", "launch choose tab tab space", chosen, recorded, "", 1,
            true);
    }

    void playerActions() {
        QFETCH(QString, actions);
        QString recordPath = m_folder.path(u"special1.tmp"_qs);
        QFile::remove(recordPath);
        std::optional<ChoiceRecord> choiceRecord(QFile::encodeName(recordPath).toStdString());
        m_dialog = ScriptedDialog();
        m_presenter = RecordingPresenter();
        m_gameWindowsShown = 0;
        std::unique_ptr<Intro> intro;
        std::unique_ptr<WindowedRun> run; // the program's own run, which opens the game window
        std::optional<FullDisk> fullDisk;
        const auto open = [&](std::unique_ptr<Intro> made) {
            run.reset();
            intro = std::move(made);
            run = std::make_unique<WindowedRun>(*intro, m_presenter);
        };

        const auto click = [&](const char *name) {
            QTest::mouseClick(control<QWidget>(*intro, name), Qt::LeftButton);
        };
        const auto choose = [&](const QString &answer) {
            m_dialog.answers = {answer};
            click("Image1");
        };
        const auto named = [&](const QString &story) {
            open(std::make_unique<Intro>(*choiceRecord, m_dialog, m_presenter));
            intro->startStory(story);
        };
        const auto key = [&](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
        const QHash<QString, std::function<void()>> steps = {
            {u"launch"_qs, [&] { open(launch(*choiceRecord)); }},
            {u"named"_qs, [&] { named(m_story); }},
            {u"named-missing"_qs, [&] { named(m_missing); }},
            {u"choose"_qs, [&] { choose(m_story); }},
            {u"choose-missing"_qs, [&] { choose(m_missing); }},
            {u"choose-quote"_qs, [&] { choose(u"/a\"b.teg"_qs); }},
            {u"cancel"_qs, [&] { choose(QString()); }},
            {u"clear"_qs, [&] { click("Clear"); }},
            {u"start"_qs, [&] { click("Image2"); }},
            {u"tab"_qs, [&] { key(Qt::Key_Tab); }},
            {u"enter"_qs, [&] { key(Qt::Key_Return); }},
            {u"space"_qs, [&] { key(Qt::Key_Space); }},
            {u"full-disk"_qs, [&] { fullDisk.emplace(); }},
            {u"folder-record"_qs,
             [&] {
                 recordPath = m_folder.path(u"folder"_qs);
                 QDir().mkpath(recordPath);
                 choiceRecord.emplace(QFile::encodeName(recordPath).toStdString());
             }},
        };
        for (const QString &action : actions.split(u' ')) {
            QVERIFY2(steps.contains(action), qPrintable(action));
            steps[action]();
        }
        fullDisk.reset();

        QFETCH(QString, caption);
        QCOMPARE(control<QLabel>(*intro, "fs")->accessibleName(), expand(caption));
        QFETCH(QString, record);
        QCOMPARE(contents(recordPath),
                 QByteArray::fromStdString(EncodeWindows1251(FromQString(expand(record)))));
        QStringList titles;
        for (const AuthorMessage &box : m_presenter.messages) {
            titles << ToQString(box.title);
            // A box about the record ends with the reason.
            if (box.title == u"Внимание!")
                QVERIFY(ToQString(box.text).section(u'\r', 2).size() > 1);
        }
        QTEST(titles.join(u','), "boxes");
        QTEST(m_dialog.opened, "dialogs");
        QFETCH(bool, playing);
        QCOMPARE(bool(run->game()), playing);
        QCOMPARE(intro->isVisible(), !playing);
        // A story that cannot be read never shows an empty game window before its box.
        QCOMPARE(m_gameWindowsShown, playing ? 1 : 0);
    }

    // Tab reaches the two pictures, which a screen reader announces as buttons with their
    // captions. A path too long for the label loses its middle, never its ends nor its last
    // line; the tooltip has it whole.
    void theLauncherReadsWell() {
        ChoiceRecord record(QFile::encodeName(m_folder.path(u"reads.tmp"_qs)).toStdString());
        const auto intro = launch(record);
        for (const auto &[name, caption] : {std::pair{"Image1", "FileCh"}, {"Image2", "Options"}}) {
            QAccessibleInterface *picture =
                QAccessible::queryAccessibleInterface(control<QWidget>(*intro, name));
            QVERIFY(picture->role() == QAccessible::Button && picture->state().focusable);
            QCOMPARE(picture->text(QAccessible::Name), control<QLabel>(*intro, caption)->text());
        }

        const QString path = u"/начало"_qs + u"/папка"_qs.repeated(40) + u"/конец.teg"_qs;
        m_dialog.answers = {path};
        QTest::mouseClick(control<QWidget>(*intro, "Image1"), Qt::LeftButton);
        const auto *label = control<QLabel>(*intro, "fs");
        QCOMPARE(label->toolTip(), path);
        const QStringList lines = label->text().split(u'\n');
        const QString shown = lines.join(QString());
        QVERIFY2(shown.startsWith(u"Имя файла: /начало"_qs) && shown.endsWith(u"/конец.teg"_qs) &&
                     shown.contains(u'…'),
                 qPrintable(shown));
        const QFontMetrics metrics(label->font());
        QVERIFY((lines.size() - 1) * metrics.lineSpacing() + metrics.height() <= label->height());
        for (const QString &line : lines)
            QVERIFY2(metrics.horizontalAdvance(line) <= label->width(), qPrintable(line));
    }
};

QTEST_MAIN(IntroTest)
#include "IntroTest.moc"
