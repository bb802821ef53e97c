#pragma once

#include <string>

// One writer for a kept game: an advisory lock on a file of its own beside the game, held while
// the game is open and let go when the program ends, however it ends. The game's file itself is
// replaced whole now and then, so a lock on it would be left on the file replaced.
class FileLock {
public:
    FileLock() = default;
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;
    ~FileLock();

    enum class Outcome {
        Taken,
        Busy,  // another program holds it
        Failed // the lock's file could not be made; error says why
    };
    Outcome Take(const std::string &path, std::string &error);

private:
    int m_fd = -1;
};
