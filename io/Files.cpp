#include "Files.h"

#include "SystemError.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool fail(std::string &error, const char *what) {
    error = std::string(what) + ": " + SystemErrorText(errno);
    return false;
}

// Where a write to `given` lands: a link is followed, as an editor follows it, so that it still
// leads to the file, even when the file it names is yet to be made.
std::string targetOf(const std::string &given) {
    namespace fs = std::filesystem;
    fs::path path = given;
    std::error_code trouble;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(path, trouble)); ++hops) {
        const fs::path target = fs::read_symlink(path, trouble);
        if (trouble)
            break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path.string();
}

// The mode a new file gets from the user's umask, as any program's new file does.
mode_t newFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

std::string sizeText(std::size_t bytes) {
    if (bytes >= (1 << 20) && bytes % (1 << 20) == 0)
        return std::to_string(bytes >> 20) + " МиБ";
    if (bytes >= (1 << 10) && bytes % (1 << 10) == 0)
        return std::to_string(bytes >> 10) + " КиБ";
    return std::to_string(bytes) + " байт";
}

} // namespace

bool WriteFileAtomically(const std::string &given, std::string_view bytes, std::string &error) {
    // A device or a folder in the file's place is never replaced by a file; a file written anew
    // keeps its mode and owner, so that a save the player keeps private stays private.
    const std::string path = targetOf(given);
    struct stat old;
    const bool replacing = stat(path.c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) {
        error = "это не обычный файл";
        return false;
    }
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        return fail(error, "не удалось создать временный файл рядом с ним");
    if (replacing && (old.st_uid != geteuid() || old.st_gid != getegid()))
        (void)!fchown(fd, old.st_uid, old.st_gid); // only the owner's own rights can do this
    const bool written = (fchmod(fd, replacing ? old.st_mode & 07777 : newFileMode()) == 0 ||
                          fail(error, "не удалось задать права доступа")) &&
                         (WriteAll(fd, bytes) || fail(error, "не удалось записать"));
    const bool synced = written && (fsync(fd) == 0 || fail(error, "не удалось сбросить на диск"));
    const bool closed = close(fd) == 0 || (synced && fail(error, "не удалось закрыть"));
    if (written && synced && closed && rename(temporary.c_str(), path.c_str()) == 0)
        return true;
    if (written && synced && closed)
        fail(error, "не удалось заменить файл");
    unlink(temporary.c_str());
    return false;
}

bool AppendToFile(const std::string &path, std::string_view bytes, std::string &error) {
    const int fd = open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0)
        return fail(error, "не удалось открыть");
    struct stat before;
    const bool measured = fstat(fd, &before) == 0 || fail(error, "не удалось узнать размер");
    const bool written = measured && (WriteAll(fd, bytes) || fail(error, "не удалось записать"));
    if (measured && !written)
        (void)ftruncate(fd, before.st_size);
    const bool closed = close(fd) == 0 || (written && fail(error, "не удалось закрыть"));
    return written && closed;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t wrote = write(fd, bytes.data(), bytes.size());
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0) {
            if (wrote == 0)
                errno = EIO;
            return false;
        }
        bytes.remove_prefix(std::size_t(wrote));
    }
    return true;
}

// Reads are whole chunks: a file such as /proc/self/pagemap refuses a read of an odd size, and
// must be found too large rather than unreadable.
ReadTrouble ReadPlainFile(const std::string &path, std::size_t limit, std::string &bytes,
                          int &systemError) {
    bytes.clear();
    // Opening for reading never creates the file: a mistyped path must not leave an empty one.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        systemError = errno;
        return ReadTrouble::CannotOpen;
    }
    struct stat info;
    ReadTrouble trouble = ReadTrouble::None;
    if (fstat(fd, &info) != 0)
        systemError = errno, trouble = ReadTrouble::CannotRead;
    else if (!S_ISREG(info.st_mode))
        trouble = ReadTrouble::NotAFile;
    else if (std::uintmax_t(info.st_size) > limit)
        trouble = ReadTrouble::TooLarge;
    else
        bytes.reserve(std::size_t(info.st_size));
    char chunk[1 << 16];
    while (trouble == ReadTrouble::None) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            systemError = errno, trouble = ReadTrouble::CannotRead;
        else if (got == 0)
            break;
        else if (bytes.size() + std::size_t(got) > limit)
            trouble = ReadTrouble::TooLarge;
        else
            bytes.append(chunk, std::size_t(got));
    }
    close(fd);
    if (trouble != ReadTrouble::None)
        bytes.clear();
    return trouble;
}

bool ReadFileAtMost(const std::string &path, std::size_t limit, std::string &bytes,
                    std::string &error) {
    int systemError = 0;
    switch (ReadPlainFile(path, limit, bytes, systemError)) {
    case ReadTrouble::None:
        return true;
    case ReadTrouble::CannotOpen:
        error = "не удалось открыть: " + SystemErrorText(systemError);
        break;
    case ReadTrouble::NotAFile:
        error = "это не обычный файл";
        break;
    case ReadTrouble::TooLarge:
        error = "файл больше " + sizeText(limit);
        break;
    case ReadTrouble::CannotRead:
        error = "не удалось прочитать: " + SystemErrorText(systemError);
        break;
    }
    return false;
}
