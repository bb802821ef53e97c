// zuft-cli: plays a story in the terminal, one typed line per turn.

#include "CliOptions.h"
#include "CtrlC.h"
#include "PlayerLines.h"
#include "SlashCommands.h"
#include "TerminalConsole.h"
#include "Walkthrough.h"
#include "engine/StoryChecker.h"
#include "engine/Text.h"
#include "game/Autosave.h"
#include "game/DataFolder.h"
#include "game/Game.h"
#include "io/SystemError.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <unistd.h>

namespace {

// Exit statuses
constexpr int kStoryUnreadable = 1;
constexpr int kWrongArguments = 2;
constexpr int kTranscriptLost = 3;
constexpr int kStoryNotChecked = 2; // --check: the story cannot be read

void complain(const std::string &text) {
    std::fprintf(stderr, "zuft-cli: %s\n", text.c_str());
}

// A transcript that could not be written is a failure, not a game played: the player is told,
// unless standard output was a pipe that its reader closed, which is a quiet end.
int transcriptStatus(const OutputStream &out, int status) {
    if (!out.Failed())
        return status;
    if (out.Error() == EPIPE)
        return status;
    complain("не удалось записать текст игры: " + SystemErrorText(out.Error()));
    return kTranscriptLost;
}

int writeText(const char *text) {
    OutputStream out(STDOUT_FILENO);
    out.Write(text);
    out.Flush();
    return transcriptStatus(out, 0);
}

// What the player should hear about the keeping of the game, when there is news.
void tellKeeping(Autosave &autosave, TerminalConsole &terminal) {
    if (const Autosave::Notice notice = autosave.TakeNotice(); !notice.text.empty())
        terminal.Notice(notice.text);
}

// A game played in a terminal is kept as the game window keeps it, in the same place: opened
// again, in a terminal or in the window, it goes on where it stood. When another program plays
// it, this one plays a copy of it, and never writes into the other's game.
std::unique_ptr<Autosave> resume(Game &game, const std::string &story, TerminalConsole &terminal) {
    const std::string folder = DataFolder();
    if (folder.empty()) {
        game.Begin();
        return nullptr;
    }
    auto autosave = std::make_unique<Autosave>(Autosave::PathFor(folder + "/autosave", story));
    if (!autosave->Claim())
        autosave->KeepAsCopy();
    Autosave::Resumption resumption;
    {
        const CtrlCStops ctrlC;
        resumption = autosave->Resume(
            game, [](std::size_t, std::size_t) { return !CtrlCStops::Pressed(); }, u"/restart");
    }
    // A line of its own, that a terminal 80 columns wide shows whole.
    if (!resumption.note.empty())
        terminal.Explain(resumption.note);
    tellKeeping(*autosave, terminal);
    return autosave;
}

int play(const CliOptions &options) {
    const bool interactive = isatty(STDIN_FILENO);
    TerminalConsole terminal(interactive, options.messages,
                             options.where ? FromUtf8(options.story) : std::u16string());
    Game game(terminal, terminal);
    if (!game.Load(options.story, options.encoding)) {
        terminal.Flush();
        return transcriptStatus(terminal.Output(), kStoryUnreadable);
    }
    // A transcript is the game played from its opening, and keeps nothing.
    std::unique_ptr<Autosave> autosave;
    if (interactive) {
        game.SetInterruption([] { return !CtrlCStops::Pressed(); });
        autosave = resume(game, options.story, terminal);
    } else {
        game.Begin();
    }
    PlayerLines input(terminal, interactive && isatty(STDOUT_FILENO));
    std::string bytes;
    while (!terminal.Output().Failed()) {
        if (input.Next(game, bytes) != PlayerLines::Result::Line) {
            terminal.Leave();
            break;
        }
        terminal.LineTyped();
        if (input.Cut())
            terminal.Notice(u"строка длиннее " + Latin(std::to_string(LineReader::kLongestLine)) +
                            u" байт обрезана: сыграно её начало, остальное пропущено");
        // A byte-order mark that an editor left at a line's start is not typed.
        const std::u16string line = FromUtf8(WithoutByteOrderMark(bytes));
        std::u16string_view turn;
        if (!RunSlashCommand(line, game, terminal, turn)) {
            // In a terminal Ctrl+C stops a long turn as its work budget would, and the game
            // goes on; a piped game is simply ended by it.
            std::optional<CtrlCStops> ctrlC;
            if (interactive)
                ctrlC.emplace();
            game.Turn(turn);
        }
        if (autosave)
            tellKeeping(*autosave, terminal);
    }
    terminal.Flush();
    return transcriptStatus(terminal.Output(), 0);
}

// Lists the story's problems, "STORY:LINE: ошибка: text", as compilers and editors know them.
int check(const CliOptions &options) {
    StoryFileError error;
    const std::shared_ptr<const Script> script = ReadScript(options.story, options.encoding, error);
    if (!script) {
        complain(options.story + ": " + ToUtf8(error.Sentence()));
        return kStoryNotChecked;
    }
    const std::vector<StoryProblem> problems = CheckStory(*script);
    OutputStream out(STDOUT_FILENO);
    for (const StoryProblem &problem : problems) {
        std::string line = options.story;
        line.append(":").append(std::to_string(problem.line)).append(": ");
        line.append(problem.severity == StoryProblem::Severity::Error ? "ошибка"
                                                                      : "предупреждение");
        line.append(": ").append(ToUtf8(problem.text)).append("\n");
        out.Write(line);
    }
    out.Flush();
    return transcriptStatus(out, problems.empty() ? 0 : 1);
}

int test(const CliOptions &options) {
    OutputStream out(STDOUT_FILENO);
    const int status = RunWalkthrough(options.walkthrough, options.story, options.encoding, out);
    out.Flush();
    return transcriptStatus(out, status);
}

} // namespace

int main(int argc, char *argv[]) {
    // A closed standard output would be taken by the next file opened, and the transcript lost
    // without a word.
    if (fcntl(STDOUT_FILENO, F_GETFD) < 0) {
        complain("стандартный вывод закрыт: текст игры некуда записать");
        return kTranscriptLost;
    }
    CliOptions options;
    std::string error;
    if (!ParseCliOptions(argc, argv, options, error)) {
        complain(error + "; см. --help");
        return kWrongArguments;
    }
    switch (options.mode) {
    case CliOptions::Mode::Help:
        return writeText(kCliUsage);
    case CliOptions::Mode::Version:
        return writeText("zuft-cli " ZUFT_VERSION "\n");
    case CliOptions::Mode::Check:
        return check(options);
    case CliOptions::Mode::Test:
        return test(options);
    case CliOptions::Mode::Play:
        break;
    }
    return play(options);
}
