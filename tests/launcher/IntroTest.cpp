// The launcher driven by its pictures and button: choosing through the file dialog, which the
// test answers, forgetting, starting, and the record that carries the choice to the next run.

#include "launcher/Intro.h"
#include "engine/Story.h"
#include "launcher/ChoiceRecord.h"
#include "launcher/StoryFileDialog.h"
#include "ui/MainForm.h"
#include "ui/WindowTestSupport.h"

#include <QFileDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

namespace {

// Gives the answers the test has lined up, as a player would in the file dialog; an empty
// answer is a cancelled dialog.
class ScriptedDialog : public StoryFileDialog {
public:
    QString ChooseStory(QWidget *) override {
        ++opened;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QStringList answers;
    int opened = 0;
};

QByteArray contents(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

class IntroTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void launcherHasItsControls();
    void firstRunHasNoChoiceAndAsksForOne();
    void chooseRemembersAndCancelKeeps();
    void choiceCarriesOverToTheNextLaunch();
    void clearCarriesOverToTheNextLaunch();
    void startOpensTheGameWindow();
    void storyThatCannotBeReadBringsTheLauncherBack();
    void startingANamedStoryRemembersIt();
    void unreadableRecordIsToldOnce();
    void unwritableRecordIsToldOnce();
    void fileDialogListsStoriesInTheProgramFolder();

private:
    std::unique_ptr<Intro> launch();
    void click(Intro &intro, const char *control);
    QString fileCaption(const Intro &intro) { return control<QLabel>(intro, "fs")->text(); }
    void expectAskedForAFile();

    StoryFolder m_folder;
    QString m_story;
    std::unique_ptr<ChoiceRecord> m_record;
    ScriptedDialog m_dialog;
    RecordingPresenter m_presenter;
};

void IntroTest::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    m_story = m_folder.write(u"маяк.teg"_qs, {u"pn Ночь над морем."_qs, u"wait"_qs});
}

void IntroTest::init() {
    QFile::remove(m_folder.path(u"special1.tmp"_qs));
    m_record = std::make_unique<ChoiceRecord>(m_folder.path(u"special1.tmp"_qs));
    m_dialog = ScriptedDialog();
    m_presenter = RecordingPresenter();
}

std::unique_ptr<Intro> IntroTest::launch() {
    auto intro = std::make_unique<Intro>(*m_record, m_dialog, m_presenter);
    intro->show();
    if (!QTest::qWaitForWindowExposed(intro.get()))
        qWarning("the launcher did not show");
    return intro;
}

void IntroTest::click(Intro &intro, const char *name) {
    QTest::mouseClick(control<QWidget>(intro, name), Qt::LeftButton);
}

void IntroTest::expectAskedForAFile() {
    QCOMPARE(m_presenter.messages.size(), 1);
    QCOMPARE(m_presenter.messages[0].title, u"Запуск..."_qs);
    QCOMPARE(m_presenter.messages[0].text, u"Сначала нужно выбрать файл!"_qs);
    QCOMPARE(m_presenter.messages[0].icon, MessageIcon::Exclamation);
}

void IntroTest::launcherHasItsControls() {
    const auto intro = launch();
    QCOMPARE(intro->windowTitle(), u"Начнем"_qs);
    QCOMPARE(control<QLabel>(*intro, "FileCh")->text(), u"Сменить файл"_qs);
    QCOMPARE(control<QLabel>(*intro, "Options")->text(), u"Запуск"_qs);
    QCOMPARE(control<QLabel>(*intro, "TN")->text(), u"DORVANEL"_qs);
    auto *clear = control<QPushButton>(*intro, "Clear");
    QCOMPARE(clear->text(), u"Очистить"_qs);
    QVERIFY(clear->hasFocus());
}

void IntroTest::firstRunHasNoChoiceAndAsksForOne() {
    const auto intro = launch();
    QCOMPARE(fileCaption(*intro), u"Имя файла:"_qs);
    QCOMPARE(contents(m_record->path()), QByteArray());
    click(*intro, "Image2");
    expectAskedForAFile();
    QVERIFY(intro->isVisible());
    QVERIFY(!intro->game());
}

void IntroTest::chooseRemembersAndCancelKeeps() {
    const auto intro = launch();
    m_dialog.answers = {m_story, QString()};
    for (int click = 1; click <= 2; ++click) {
        this->click(*intro, "Image1");
        QCOMPARE(intro->ChosenFile(), m_story);
        QCOMPARE(fileCaption(*intro), u"Имя файла:\n "_qs + m_story);
        QCOMPARE(contents(m_record->path()), ChoiceRecord::Format(m_story));
    }
    QCOMPARE(m_dialog.opened, 2);
}

void IntroTest::choiceCarriesOverToTheNextLaunch() {
    {
        const auto first = launch();
        m_dialog.answers = {m_story};
        click(*first, "Image1");
    }
    const auto second = launch();
    QCOMPARE(fileCaption(*second), u"Имя файла:"_qs + m_story);
    QTest::keyClick(second.get(), Qt::Key_Return);
    QCOMPARE(m_dialog.opened, 1);
    QVERIFY(second->game());
}

void IntroTest::clearCarriesOverToTheNextLaunch() {
    {
        const auto first = launch();
        m_dialog.answers = {m_story};
        click(*first, "Image1");
        click(*first, "Clear");
        QCOMPARE(first->ChosenFile(), QString());
        QCOMPARE(fileCaption(*first), u"Имя файла:"_qs);
        QCOMPARE(contents(m_record->path()), QByteArray("\"\"\r\n"));
    }
    const auto second = launch();
    QCOMPARE(fileCaption(*second), u"Имя файла:"_qs);
    click(*second, "Image2");
    expectAskedForAFile();
}

void IntroTest::startOpensTheGameWindow() {
    const auto intro = launch();
    m_dialog.answers = {m_story};
    click(*intro, "Image1");
    click(*intro, "Image2");
    QVERIFY(!intro->isVisible());
    MainForm *game = intro->game();
    QVERIFY(game && game->isVisible());
    QCOMPARE(game->story().world().LookWord, u"осм"_qs);
    QCOMPARE(control<QPlainTextEdit>(*game, "Output")->toPlainText(), u"Ночь над морем.\n"_qs);
}

void IntroTest::storyThatCannotBeReadBringsTheLauncherBack() {
    const auto intro = launch();
    m_dialog.answers = {m_folder.path(u"пропавший.teg"_qs)};
    click(*intro, "Image1");
    click(*intro, "Image2");
    QCOMPARE(m_presenter.messages.size(), 1);
    QCOMPARE(m_presenter.messages[0].title, u"Ошибка!"_qs);
    QVERIFY(!intro->game());
    QVERIFY(intro->isVisible());
}

void IntroTest::startingANamedStoryRemembersIt() {
    Intro intro(*m_record, m_dialog, m_presenter);
    intro.startStory(m_story);
    QVERIFY(intro.game());
    QVERIFY(!intro.isVisible());
    QCOMPARE(contents(m_record->path()), ChoiceRecord::Format(m_story));

    // One that cannot be read leaves the launcher, whole, for choosing another.
    Intro second(*m_record, m_dialog, m_presenter);
    second.startStory(m_folder.path(u"пропавший.teg"_qs));
    QVERIFY(second.isVisible());
    QVERIFY(!control<QLabel>(second, "Image3")->pixmap().isNull());
    m_dialog.answers = {m_story};
    click(second, "Image1");
    click(second, "Image2");
    QVERIFY(second.game());
}

void IntroTest::unreadableRecordIsToldOnce() {
    ChoiceRecord folderRecord(m_folder.path(u"."_qs));
    Intro intro(folderRecord, m_dialog, m_presenter);
    QCOMPARE(m_presenter.messages.size(), 1);
    QCOMPARE(intro.ChosenFile(), QString());
    intro.show();
    m_dialog.answers = {m_story};
    click(intro, "Image1");
    QCOMPARE(intro.ChosenFile(), m_story);
    QCOMPARE(m_presenter.messages.size(), 1);
}

// A path the record cannot give back is played all the same, and not remembered.
void IntroTest::unwritableRecordIsToldOnce() {
    const auto intro = launch();
    m_dialog.answers = {u"/a\"b.teg"_qs, u"/故事.teg"_qs};
    click(*intro, "Image1");
    QCOMPARE(intro->ChosenFile(), u"/a\"b.teg"_qs);
    click(*intro, "Image1");
    QCOMPARE(intro->ChosenFile(), u"/故事.teg"_qs);
    QCOMPARE(m_presenter.messages.size(), 1);
    QCOMPARE(m_presenter.messages[0].icon, MessageIcon::Exclamation);
    QCOMPARE(contents(m_record->path()), QByteArray());
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
