// A full disk never costs the player a file: the old one stays whole and the failure says why.

#include "io/Files.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs `write` in a child whose files may not grow past 100 bytes, as on a full disk; true when
// the write failed and said why.
template <typename Write> bool failsOnAFullDisk(Write write) {
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::string error;
        _exit(!write(error) && error.find("Файл слишком велик") != std::string::npos ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string contents(const std::string &path) {
    std::string bytes, error;
    ReadFileAtMost(path, 1 << 20, bytes, error);
    return bytes;
}

TEST(Files, AFullDiskKeepsTheOldFileWhole) {
    const std::string path = std::filesystem::temp_directory_path() / "zuft-files-test";
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, "old\n", error));
    const std::string big(1000, 'x');
    EXPECT_TRUE(
        failsOnAFullDisk([&](std::string &e) { return WriteFileAtomically(path, big, e); }));
    EXPECT_EQ(contents(path), "old\n");
    EXPECT_TRUE(failsOnAFullDisk([&](std::string &e) { return AppendToFile(path, big, e); }));
    EXPECT_EQ(contents(path), "old\n"); // no half record at the end
    for (const auto &entry :
         std::filesystem::directory_iterator(std::filesystem::path(path).parent_path()))
        EXPECT_EQ(entry.path().string().find(path + "."), std::string::npos); // no leftovers
    ASSERT_TRUE(AppendToFile(path, "more\n", error));
    EXPECT_EQ(contents(path), "old\nmore\n");
    EXPECT_FALSE(ReadFileAtMost(path, 4, *std::make_unique<std::string>(), error));
    EXPECT_FALSE(ReadFileAtMost("/", 4, *std::make_unique<std::string>(), error));
    std::filesystem::remove(path);
}

mode_t modeOf(const std::string &path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(Files, ARewriteKeepsTheFilesModeAndALinkStaysALink) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "zuft-files-modes";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string save = folder / "игра.zsave";
    std::string error;
    const mode_t umaskBefore = umask(077);
    ASSERT_TRUE(WriteFileAtomically(save, "1", error));
    umask(umaskBefore);
    EXPECT_EQ(modeOf(save), 0600u); // a new file as the user's umask makes it
    chmod(save.c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomically(save, "2", error));
    EXPECT_EQ(modeOf(save), 0640u);

    fs::create_symlink("игра.zsave", folder / "ссылка");
    fs::create_symlink(folder / "новая.zsave", folder / "висячая");
    ASSERT_TRUE(WriteFileAtomically(folder / "ссылка", "3", error));
    ASSERT_TRUE(WriteFileAtomically(folder / "висячая", "4", error));
    EXPECT_TRUE(fs::is_symlink(folder / "ссылка"));
    EXPECT_TRUE(fs::is_symlink(folder / "висячая"));
    EXPECT_EQ(contents(save), "3");
    EXPECT_EQ(contents(folder / "новая.zsave"), "4");
    fs::remove_all(folder);
}

} // namespace
