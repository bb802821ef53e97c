// The game window's console, on the offscreen platform: a turn that prints N lines, from the
// press of Enter until the window has painted the result.

#include "BenchStories.h"
#include "ui/MainForm.h"
#include "qt/MessagePresenter.h"
#include "qt/QtText.h"

#include <QApplication>
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

// The game window with a printing story loaded and shown.
class PrintingWindow {
public:
    explicit PrintingWindow(int lines) : m_form(m_presenter) {
        const QString path = m_folder.filePath(QStringLiteral("print.teg"));
        const std::string bytes = PrintingStory(lines);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
            qFatal("cannot write %s", qPrintable(path));
        file.close();
        m_form.show();
        m_loaded = QTest::qWaitForWindowExposed(&m_form) && m_form.LoadFile(path);
        QApplication::processEvents();
    }

    bool loaded() const { return m_loaded; }
    int messages() const { return m_presenter.count; }

    // Enter pressed on the typed line, then the events that repaint the window.
    void playTurn() {
        auto *input = m_form.findChild<QLineEdit *>(QStringLiteral("Input1"));
        input->setText(ToQString(PrintingStoryTurn()));
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
    PrintingWindow window(lines);
    if (!window.loaded())
        state.SkipWithError("the story did not load");
    for (auto _ : state)
        window.playTurn();
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

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
