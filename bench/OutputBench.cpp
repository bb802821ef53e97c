// A turn that prints N lines into a console held in memory: twice the lines should take about
// twice the time, whatever N.

#include "BenchStories.h"
#include "MemoryConsole.h"
#include "engine/Story.h"
#include "player/Player.h"

#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

void BM_PrintLines(benchmark::State &state) {
    const int lines = int(state.range(0));
    MemoryConsole host;
    Story story(host, host);
    Player player(story);
    if (!story.LoadBytes(PrintingStory(lines)))
        state.SkipWithError("the story did not load");
    const std::u16string turn = PrintingStoryTurn();
    for (auto _ : state) {
        player.Turn(turn);
        benchmark::DoNotOptimize(host.text().data());
    }
    if (host.messages() != 0)
        state.SkipWithError("the story reported a fault to its author");
    else if (std::count(host.text().begin(), host.text().end(), u'\n') < lines)
        state.SkipWithError("the turn printed too few lines");
    state.counters["lines"] = lines;
}
BENCHMARK(BM_PrintLines)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace
