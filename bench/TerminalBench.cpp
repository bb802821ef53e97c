// The terminal player's turn in a game of 1,000 and of 100,000 turns: the lines typed so far
// handed to the line editor for Up and Down, then the turn played into the terminal's console,
// whose output goes to /dev/null.

#include "BenchStories.h"
#include "LongGame.h"
#include "app/LineEditor.h"
#include "app/TerminalConsole.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Standard output goes to /dev/null while it lives, so the turns print nowhere.
class QuietOutput {
public:
    QuietOutput() : m_kept(dup(STDOUT_FILENO)) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        close(null);
    }
    ~QuietOutput() {
        dup2(m_kept, STDOUT_FILENO);
        close(m_kept);
    }

private:
    int m_kept;
};

void BM_TerminalTurnInLongGame(benchmark::State &state) {
    const QuietOutput quiet;
    TerminalConsole terminal(false, MessageTarget::None);
    Game game(terminal, terminal);
    game.LoadBytes(LargestWorld(), u"largest.teg");
    if (!game.Restore(LongGameSave(int(state.range(0)))).done)
        state.SkipWithError("the game was not restored");
    LineEditor editor;
    editor.Follow(game.Typed()); // as at the first prompt, with every line of the game
    const std::u16string line = LargestWorldTurn();
    for (auto _ : state) {
        editor.Follow(game.Typed());
        game.Turn(line);
        terminal.Flush();
    }
}
// 256 turns a repetition: the game keeps one copy of its story in each.
BENCHMARK(BM_TerminalTurnInLongGame)
    ->Arg(1'000)
    ->Arg(100'000)
    ->Iterations(256)
    ->Unit(benchmark::kMicrosecond);

} // namespace
