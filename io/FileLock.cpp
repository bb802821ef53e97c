#include "FileLock.h"

#include "SystemError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FileLock::~FileLock() {
    if (m_fd >= 0)
        close(m_fd); // lets the lock go
}

FileLock::Outcome FileLock::Take(const std::string &path, std::string &error) {
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = SystemErrorText(errno);
        return Outcome::Failed;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool busy = errno == EWOULDBLOCK;
        error = SystemErrorText(errno);
        close(fd);
        return busy ? Outcome::Busy : Outcome::Failed;
    }
    if (m_fd >= 0)
        close(m_fd);
    m_fd = fd;
    return Outcome::Taken;
}
