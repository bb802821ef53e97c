// Loading the longest story: LoadFile with its first run, against only reading the same file
// and decoding it into lines, the least any loading can do.

#include "BenchStories.h"
#include "MemoryConsole.h"
#include "engine/Story.h"
#include "engine/Windows1251.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Written once; every iteration then reads it from the page cache.
const QString &maximumStoryPath() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("maximum.teg"));
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(MaximumStory()) < 0)
            qFatal("cannot write %s", qPrintable(file));
        return file;
    }();
    return path;
}

void BM_LoadBaseline(benchmark::State &state) {
    const QString &path = maximumStoryPath();
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("cannot read the story");
        QString text = DecodeWindows1251(file.readAll());
        text.remove(u'\n');
        const QStringList lines = text.split(u'\r');
        benchmark::DoNotOptimize(lines.constData());
    }
}
BENCHMARK(BM_LoadBaseline)->Unit(benchmark::kMillisecond);

void BM_LoadFile(benchmark::State &state) {
    const QString &path = maximumStoryPath();
    int lineCount = 0;
    for (auto _ : state) {
        MemoryConsole host;
        Story story(host, host);
        if (!story.LoadFile(path) || host.messages() != 0)
            state.SkipWithError("the story did not load cleanly");
        lineCount = story.LineCount();
        benchmark::DoNotOptimize(host.text().constData());
    }
    state.counters["lines"] = lineCount;
}
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond);

} // namespace
