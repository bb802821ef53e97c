// 1,000 jumps nested one inside the other, each starting a run inside the run that executes
// it. Besides the time, reports how much of the stack each nested run takes, from where the
// innermost run prints compared with the same print without any jump.

#include "BenchStories.h"
#include "MemoryConsole.h"
#include "engine/Story.h"

#include <benchmark/benchmark.h>
#include <cstdint>

namespace {

constexpr int kDepth = 1000;

// Remembers how deep in the stack the story was when it last printed.
class StackProbeConsole : public MemoryConsole {
public:
    void AddText(std::u16string_view text) override {
        m_frame = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
        MemoryConsole::AddText(text);
    }
    std::uintptr_t frame() const { return m_frame; }

private:
    std::uintptr_t m_frame = 0;
};

// The stack the story used below LoadBytes when its innermost run printed; the stack grows down.
std::uintptr_t frameOfPrint(int depth, bool &clean) {
    StackProbeConsole host;
    Story story(host, host);
    clean =
        story.LoadBytes(NestedJumps(depth)) && host.messages() == 0 && host.text() == u"дно\r\n";
    return host.frame();
}

void BM_NestedJumps(benchmark::State &state) {
    const std::string bytes = NestedJumps(kDepth);
    for (auto _ : state) {
        MemoryConsole host;
        Story story(host, host);
        story.LoadBytes(bytes);
        benchmark::DoNotOptimize(host.text().data());
    }
    bool shallowClean = false, deepClean = false;
    const std::uintptr_t shallow = frameOfPrint(0, shallowClean);
    const std::uintptr_t deep = frameOfPrint(kDepth, deepClean);
    if (!shallowClean || !deepClean)
        state.SkipWithError("the nested runs did not all complete");
    const double perRun = double(shallow - deep) / kDepth;
    state.counters["nested_runs"] = kDepth;
    state.counters["stack_bytes_per_run"] = perRun;
    state.counters["stack_KiB_at_limit"] = perRun * kMaxNestedRuns / 1024;
}
BENCHMARK(BM_NestedJumps)->Unit(benchmark::kMicrosecond);

} // namespace
