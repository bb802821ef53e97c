// One whole turn in the largest world: the console erased, the line echoed and cut into words,
// every function of every room and item matched against it, and the matching body run, which
// sets a variable and describes the room again with its items and its longest exits line.

#include "BenchStories.h"
#include "MemoryConsole.h"
#include "engine/Story.h"
#include "player/Player.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Turn(benchmark::State &state) {
    MemoryConsole host;
    Story story(host, host);
    Player player(story);
    if (!story.LoadBytes(LargestWorld()))
        state.SkipWithError("the story did not load");
    const std::u16string line = LargestWorldTurn();
    for (auto _ : state) {
        player.Turn(line);
        benchmark::DoNotOptimize(host.text().data());
    }
    if (host.text().find(u"Выходы: с,ю,в,з,вверх,вниз,вперёд,вперед,назад,с") ==
            std::u16string::npos ||
        host.messages() != 0)
        state.SkipWithError("the turn did not describe the room");
}
BENCHMARK(BM_Turn)->Unit(benchmark::kMicrosecond);

} // namespace
