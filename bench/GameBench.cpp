// A long game kept and rebuilt: restoring a game of 10,000 turns in the largest world, taking
// one of its turns back in games of 10,000 and 100,000 turns, and a turn played while the
// autosave keeps it. Every turn runs a function body that sets a variable and describes the room
// again. The window keeps the history of the game, so these games keep it too.

#include "BenchStories.h"
#include "LongGame.h"
#include "game/Autosave.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

constexpr int kTurns = 10'000;

void BM_RestoreLongGame(benchmark::State &state) {
    const std::string save = LongGame(kTurns).game.SaveText();
    LongGame restored(0);
    for (auto _ : state)
        if (!restored.game.Restore(save).done)
            state.SkipWithError("the game was not restored");
    if (restored.game.journal().Position() != kTurns)
        state.SkipWithError("the restored game does not stand at its last turn");
}
BENCHMARK(BM_RestoreLongGame)->Unit(benchmark::kMillisecond);

// The turn taken back is played again at once, unmeasured, so that every undo stands at the same
// distance from the nearest copy of the story the game keeps.
void BM_UndoInLongGame(benchmark::State &state) {
    LongGame played(int(state.range(0)));
    for (auto _ : state) {
        if (!played.game.Undo().done)
            state.SkipWithError("the turn was not taken back");
        state.PauseTiming();
        played.game.Redo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoInLongGame)->Arg(kTurns)->Arg(100'000)->Unit(benchmark::kMillisecond);

// A turn, with its console and the game's history, at 1,000 and at 100,000 turns: what the
// terminal player does between two lines apart from reading them.
void BM_TurnInLongGame(benchmark::State &state) {
    LongGame played(int(state.range(0)));
    const std::u16string line = LargestWorldTurn();
    for (auto _ : state)
        played.game.Turn(line);
}
// 256 turns a repetition: the game keeps one copy of its story in each.
BENCHMARK(BM_TurnInLongGame)
    ->Arg(1'000)
    ->Arg(100'000)
    ->Iterations(256)
    ->Unit(benchmark::kMicrosecond);

void BM_TurnKeptByAutosave(benchmark::State &state) {
    const std::string path = std::filesystem::temp_directory_path() / "zuft-bench.zsave";
    std::filesystem::remove(path);
    LongGame played(0);
    Autosave autosave(path);
    played.game.SetRecord(&autosave);
    played.game.Begin();
    const std::u16string line = LargestWorldTurn();
    for (auto _ : state)
        played.game.Turn(line);
    if (autosave.TakeNotice().trouble)
        state.SkipWithError("the autosave could not keep the game");
    std::filesystem::remove(path);
}
BENCHMARK(BM_TurnKeptByAutosave)->Unit(benchmark::kMicrosecond);

} // namespace
