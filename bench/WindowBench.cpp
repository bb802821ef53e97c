// The game window on the offscreen platform, from the press of Enter until the window has
// painted the turn: a turn that prints N lines, and a turn in a game of 1,000 and of 100,000
// turns, with «История игры» closed and open.

#include "BenchStories.h"
#include "LongGame.h"
#include "game/Autosave.h"
#include "game/DataFolder.h"
#include "io/Files.h"
#include "qt/MessagePresenter.h"
#include "qt/QtText.h"
#include "ui/MainForm.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

// Answers every message at once and counts them.
class CountingPresenter : public MessagePresenter {
public:
    void Present(QWidget *, const AuthorMessage &) override { ++count; }
    int count = 0;
};

void writeFile(const std::string &path, std::string_view bytes) {
    std::string error;
    if (!WriteFileAtomically(path, bytes, error))
        qFatal("cannot write %s: %s", path.c_str(), error.c_str());
}

// The game window with a story loaded and shown; the game its autosave keeps, when there is one,
// comes back with it.
class BenchWindow {
public:
    BenchWindow(const std::string &story, const std::string &autosave = {}) : m_form(m_presenter) {
        const std::string path = (m_folder.path() + QStringLiteral("/story.teg")).toStdString();
        writeFile(path, story);
        if (!autosave.empty()) {
            const std::string folder = DataFolder() + "/autosave";
            QDir().mkpath(QString::fromStdString(folder));
            writeFile(Autosave::PathFor(folder, path), autosave);
        }
        m_form.show();
        m_loaded =
            QTest::qWaitForWindowExposed(&m_form) && m_form.LoadFile(QString::fromStdString(path));
        QApplication::processEvents();
    }

    bool loaded() const { return m_loaded; }
    int messages() const { return m_presenter.count; }
    const Game &game() const { return m_form.game(); }
    void trigger(const char *action) {
        m_form.findChild<QAction *>(QString::fromLatin1(action))->trigger();
        QApplication::processEvents();
    }

    // Enter pressed on the typed line, then the events that repaint the window.
    void playTurn(std::u16string_view line) {
        auto *input = m_form.findChild<QLineEdit *>(QStringLiteral("Input1"));
        input->setText(ToQString(line));
        QTest::keyClick(input, Qt::Key_Return);
        QApplication::processEvents();
    }

    // Whether the console shows the turn: the typed line echoed and at least `lines` lines.
    bool showsTurn(int lines) const {
        const QString shown =
            m_form.findChild<QPlainTextEdit *>(QStringLiteral("Output"))->toPlainText();
        return shown.contains(ToQString(PrintingStoryTurn())) && shown.count(u'\n') + 1 >= lines;
    }

private:
    QTemporaryDir m_folder;
    CountingPresenter m_presenter;
    MainForm m_form;
    bool m_loaded = false;
};

void BM_WindowPrintLines(benchmark::State &state) {
    const int lines = int(state.range(0));
    BenchWindow window(PrintingStory(lines));
    if (!window.loaded())
        state.SkipWithError("the story did not load");
    for (auto _ : state)
        window.playTurn(PrintingStoryTurn());
    if (window.messages() != 0)
        state.SkipWithError("the story reported a fault to its author");
    else if (!window.showsTurn(lines))
        state.SkipWithError("the window does not show the turn");
    state.counters["lines"] = lines;
}
BENCHMARK(BM_WindowPrintLines)
    ->Arg(10'000)
    ->Arg(20'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);

// A turn in the largest world in a game of N turns that the window resumed from its autosave;
// with `history` 1, «История игры» stands open and follows the game.
void BM_WindowTurnInLongGame(benchmark::State &state) {
    const int turns = int(state.range(0));
    BenchWindow window(LargestWorld(), LongGameSave(turns));
    if (!window.loaded() || window.game().journal().Position() != std::size_t(turns))
        state.SkipWithError("the game did not come back");
    if (state.range(1))
        window.trigger("History");
    for (auto _ : state)
        window.playTurn(LargestWorldTurn());
}
// 256 turns a repetition: the game keeps one copy of its story in each.
BENCHMARK(BM_WindowTurnInLongGame)
    ->ArgsProduct({{1'000, 100'000}, {0, 1}})
    ->Iterations(256)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window's autosaves go to a folder of the run's own, never the player's.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
