// Loading the longest story: reading it and its first run, against only reading the same file
// and decoding it into lines, the least any loading can do.

#include "BenchStories.h"
#include "MemoryConsole.h"
#include "engine/Story.h"
#include "engine/Windows1251.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <vector>

namespace {

// A folder of its own for the story, removed when the benchmarks end.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zuft-bench-XXXXXX");
        if (!mkdtemp(pattern.data())) {
            std::perror("zuft-bench: cannot create a temporary folder");
            std::exit(1);
        }
        m_path = pattern;
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TemporaryFolder(const TemporaryFolder &) = delete;
    TemporaryFolder &operator=(const TemporaryFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Written once; every iteration then reads it from the page cache.
const std::string &maximumStoryPath() {
    static TemporaryFolder folder;
    static const std::string path = [] {
        const std::string file = folder.path() / "maximum.teg";
        const std::string bytes = MaximumStory();
        std::ofstream out(file, std::ios::binary);
        if (!out.write(bytes.data(), std::streamsize(bytes.size())).flush()) {
            std::fprintf(stderr, "zuft-bench: cannot write %s\n", file.c_str());
            std::exit(1);
        }
        return file;
    }();
    return path;
}

void BM_LoadBaseline(benchmark::State &state) {
    const std::string &path = maximumStoryPath();
    for (auto _ : state) {
        std::ifstream file(path, std::ios::binary);
        std::string bytes(std::filesystem::file_size(path), '\0');
        if (!file.read(bytes.data(), std::streamsize(bytes.size())))
            state.SkipWithError("cannot read the story");
        std::vector<std::u16string> lines;
        for (std::string_view rest = bytes;;) {
            const std::size_t cr = rest.find('\r');
            std::u16string &line = lines.emplace_back(DecodeWindows1251(rest.substr(0, cr)));
            std::erase(line, u'\n');
            if (cr == std::string_view::npos)
                break;
            rest.remove_prefix(cr + 1);
        }
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_LoadBaseline)->Unit(benchmark::kMillisecond);

void BM_LoadFile(benchmark::State &state) {
    const std::string &path = maximumStoryPath();
    int lineCount = 0;
    for (auto _ : state) {
        MemoryConsole host;
        Story story(host, host);
        const auto script = LoadScriptFile(path, StoryEncoding::Detect, host);
        if (script)
            story.Start(script);
        if (!script || host.messages() != 0)
            state.SkipWithError("the story did not load cleanly");
        lineCount = story.script().LineCount();
        benchmark::DoNotOptimize(host.text().data());
    }
    state.counters["lines"] = lineCount;
}
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond);

} // namespace
