// zuft-bench-stories DIR: writes the generated stories that the whole-program measurements
// play: maximum.teg, largest-file.teg, largest-world.teg, tiny.teg and print-20000.teg.

#include "BenchStories.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

bool write(const std::filesystem::path &dir, const char *name, const std::string &bytes) {
    std::ofstream file(dir / name, std::ios::binary);
    file.write(bytes.data(), std::streamsize(bytes.size()));
    file.close();
    return !file.fail();
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zuft-bench-stories DIR\n");
        return 2;
    }
    const std::filesystem::path dir(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    const bool written = !error && write(dir, "maximum.teg", MaximumStory()) &&
                         write(dir, "largest-file.teg", LargestFile()) &&
                         write(dir, "largest-world.teg", LargestWorld()) &&
                         write(dir, "tiny.teg", TinyStory()) &&
                         write(dir, "print-20000.teg", PrintingStory(20'000));
    if (!written) {
        std::fprintf(stderr, "zuft-bench-stories: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
