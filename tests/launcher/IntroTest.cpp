// The launcher as the player drives it: each row is a line of actions (clicks on its pictures and
// button, keys, a launch of the program, a full disk), then what the player sees and what the
// record keeps for the next run.

#include "launcher/Intro.h"
#include "engine/Windows1251.h"
#include "launcher/ChoiceRecord.h"
#include "launcher/StoryFileDialog.h"
#include "ui/MainForm.h"
#include "ui/QtText.h"
#include "ui/WindowTestSupport.h"

#include <QAccessible>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <csignal>
#include <functional>
#include <optional>
#include <sys/resource.h>

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

// While it lasts, no file grows past one byte, as if the disk had just filled up.
class FullDisk {
public:
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &m_before);
        signal(SIGXFSZ, SIG_IGN);
        const rlimit full{1, m_before.rlim_max};
        setrlimit(RLIMIT_FSIZE, &full);
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &m_before); }

private:
    rlimit m_before{};
};

QByteArray contents(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

class IntroTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void playerActions_data();
    void playerActions();
    void picturesAreButtonsNamedByTheirCaptions();
    void aLongPathLosesItsMiddleNotItsEnds();
    void fileDialogListsStoriesInTheProgramFolder();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show && qobject_cast<MainForm *>(watched))
            ++m_gameWindowsShown;
        return false;
    }

private:
    std::unique_ptr<Intro> launch(ChoiceRecord &record);
    // The row's text with S standing for the story and M for a story that is not there.
    QString expand(QString text) const {
        return text.replace(u'S', m_story).replace(u'M', m_missing);
    }

    StoryFolder m_folder;
    QString m_story;
    QString m_missing;
    ScriptedDialog m_dialog;
    RecordingPresenter m_presenter;
    int m_gameWindowsShown = 0;
};

void IntroTest::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    m_story = m_folder.write(u"маяк.teg"_qs, {u"pn Ночь над морем."_qs, u"wait"_qs});
    m_missing = m_folder.path(u"пропавший.teg"_qs);
    qApp->installEventFilter(this);
}

std::unique_ptr<Intro> IntroTest::launch(ChoiceRecord &record) {
    auto intro = std::make_unique<Intro>(record, m_dialog, m_presenter);
    intro->show();
    if (!QTest::qWaitForWindowActive(intro.get()))
        qWarning("the launcher did not become active");
    return intro;
}

void IntroTest::playerActions_data() {
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("caption"); // of the file name, as a screen reader has it
    QTest::addColumn<QString>("record");  // the record's text; "" for an empty file
    QTest::addColumn<QString>("boxes");   // their titles
    QTest::addColumn<int>("dialogs");     // file dialogs opened
    QTest::addColumn<bool>("playing");

    const QString chosen = u"Имя файла:\n S"_qs;
    QTest::newRow("first run asks for a file")
        << "launch start" << u"Имя файла:"_qs << "" << u"Запуск..."_qs << 0 << false;
    QTest::newRow("a choice is kept, a cancelled dialog changes nothing")
        << "launch choose cancel" << chosen << "\"S\"\r\n"
        << "" << 2 << false;
    QTest::newRow("the choice comes back at the next run and Enter starts it")
        << "launch choose launch enter" << u"Имя файла:S"_qs << "\"S\"\r\n"
        << "" << 1 << true;
    QTest::newRow("a forgotten choice stays forgotten")
        << "launch choose clear launch start" << u"Имя файла:"_qs << "\"\"\r\n"
        << u"Запуск..."_qs << 1 << false;
    QTest::newRow("a story that cannot be read brings the launcher back, no game window")
        << "launch choose-missing start" << u"Имя файла:\n M"_qs << "\"M\"\r\n"
        << u"Ошибка!"_qs << 1 << false;
    QTest::newRow("a story named at the start plays at once and is remembered")
        << "named" << chosen << "\"S\"\r\n"
        << "" << 0 << true;
    QTest::newRow("a named story that cannot be read leaves the launcher to choose another")
        << "named-missing choose start" << chosen << "\"S\"\r\n"
        << u"Ошибка!"_qs << 1 << true;
    QTest::newRow("a full disk keeps the old record and says why, once")
        << "launch choose full-disk clear choose-missing" << u"Имя файла:\n M"_qs << "\"S\"\r\n"
        << u"Внимание!"_qs << 2 << false;
    QTest::newRow("a path the record cannot hold is played, not remembered")
        << "launch choose-quote start" << u"Имя файла:\n /a\"b.teg"_qs << ""
        << u"Внимание!,Ошибка!"_qs << 1 << false;
    QTest::newRow("a record that cannot be read is told once")
        << "folder-record launch choose" << chosen << "(unreadable)" << u"Внимание!"_qs << 1
        << false;
    QTest::newRow("Tab reaches the pictures: Enter on the first chooses")
        << "launch tab enter" << u"Имя файла:"_qs << ""
        << "" << 1 << false;
    QTest::newRow("Space on the second starts")
        << "launch choose tab tab space" << chosen << "\"S\"\r\n"
        << "" << 1 << true;
}

void IntroTest::playerActions() {
    QFETCH(QString, actions);
    QFETCH(QString, caption);
    QFETCH(QString, record);
    QFETCH(QString, boxes);
    QFETCH(int, dialogs);
    QFETCH(bool, playing);

    QString recordPath = m_folder.path(u"special1.tmp"_qs);
    QFile::remove(recordPath);
    std::optional<ChoiceRecord> choiceRecord;
    choiceRecord.emplace(QFile::encodeName(recordPath).toStdString());
    m_dialog = ScriptedDialog();
    m_presenter = RecordingPresenter();
    m_gameWindowsShown = 0;
    std::unique_ptr<Intro> intro;
    std::optional<FullDisk> fullDisk;

    const auto click = [&](const char *name) {
        QTest::mouseClick(control<QWidget>(*intro, name), Qt::LeftButton);
    };
    const auto choose = [&](const QString &answer) {
        m_dialog.answers = {answer};
        click("Image1");
    };
    const auto named = [&](const QString &story) {
        intro = std::make_unique<Intro>(*choiceRecord, m_dialog, m_presenter);
        intro->startStory(story);
    };
    const auto key = [&](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    const QHash<QString, std::function<void()>> steps = {
        {u"launch"_qs, [&] { intro = launch(*choiceRecord); }},
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

    QCOMPARE(control<QLabel>(*intro, "fs")->accessibleName(), expand(caption));
    QCOMPARE(contents(recordPath),
             QByteArray::fromStdString(EncodeWindows1251(FromQString(expand(record)))));
    QStringList titles;
    for (const AuthorMessage &box : m_presenter.messages) {
        titles << ToQString(box.title);
        // A box about the record ends with the reason.
        if (box.title == u"Внимание!")
            QVERIFY(ToQString(box.text).section(u'\r', 2).size() > 1);
    }
    QCOMPARE(titles.join(u','), boxes);
    QCOMPARE(m_dialog.opened, dialogs);
    QCOMPARE(bool(intro->game()), playing);
    QCOMPARE(intro->isVisible(), !playing);
    // A story that cannot be read never shows an empty game window before its box.
    QCOMPARE(m_gameWindowsShown, playing ? 1 : 0);
}

void IntroTest::picturesAreButtonsNamedByTheirCaptions() {
    ChoiceRecord record(QFile::encodeName(m_folder.path(u"buttons.tmp"_qs)).toStdString());
    const auto intro = launch(record);
    const std::pair<const char *, const char *> pictures[] = {{"Image1", "FileCh"},
                                                              {"Image2", "Options"}};
    for (const auto &[name, caption] : pictures) {
        QAccessibleInterface *picture =
            QAccessible::queryAccessibleInterface(control<QWidget>(*intro, name));
        QCOMPARE(picture->role(), QAccessible::Button);
        QVERIFY(picture->state().focusable);
        QCOMPARE(picture->text(QAccessible::Name), control<QLabel>(*intro, caption)->text());
    }
}

void IntroTest::aLongPathLosesItsMiddleNotItsEnds() {
    ChoiceRecord record(QFile::encodeName(m_folder.path(u"long.tmp"_qs)).toStdString());
    const auto intro = launch(record);
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
    // Every line fits the label, whose last line is not cut at the bottom.
    const QFontMetrics metrics(label->font());
    QVERIFY((lines.size() - 1) * metrics.lineSpacing() + metrics.height() <= label->height());
    for (const QString &line : lines)
        QVERIFY2(metrics.horizontalAdvance(line) <= label->width(), qPrintable(line));
}

void IntroTest::fileDialogListsStoriesInTheProgramFolder() {
    const auto dialog = FileOpenDialog::Prepare(nullptr);
    QCOMPARE(dialog->windowTitle(), u"Сменить файл"_qs);
    QCOMPARE(QDir(dialog->directory()).canonicalPath(),
             QDir(QCoreApplication::applicationDirPath()).canonicalPath());
    QCOMPARE(dialog->nameFilters(), QStringList{u"Файлы интепретатора (.teg) (*.teg)"_qs});
    QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
}

QTEST_MAIN(IntroTest)
#include "IntroTest.moc"
