// zuft-bench-stories DIR: writes the generated stories that the whole-program measurements
// play: maximum.teg, largest-world.teg, tiny.teg and print-20000.teg.

#include "BenchStories.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

bool write(const QDir &dir, const QString &name, const QByteArray &bytes) {
    QFile file(dir.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zuft-bench-stories DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const bool written = dir.mkpath(QStringLiteral(".")) &&
                         write(dir, QStringLiteral("maximum.teg"), MaximumStory()) &&
                         write(dir, QStringLiteral("largest-world.teg"), LargestWorld()) &&
                         write(dir, QStringLiteral("tiny.teg"), TinyStory()) &&
                         write(dir, QStringLiteral("print-20000.teg"), PrintingStory(20'000));
    if (!written) {
        std::fprintf(stderr, "zuft-bench-stories: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
