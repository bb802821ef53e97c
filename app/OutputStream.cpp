#include "OutputStream.h"

#include <cerrno>
#include <unistd.h>

void OutputStream::Write(std::string_view bytes) {
    if (m_buffer.size() + bytes.size() > kBufferSize && !Flush())
        return;
    if (bytes.size() >= kBufferSize)
        writeAll(bytes);
    else
        m_buffer += bytes;
}

bool OutputStream::Flush() {
    const bool written = writeAll(m_buffer);
    m_buffer.clear();
    return written;
}

bool OutputStream::writeAll(std::string_view bytes) {
    while (!bytes.empty() && m_error == 0) {
        const ssize_t wrote = write(m_fd, bytes.data(), bytes.size());
        if (wrote > 0)
            bytes.remove_prefix(std::size_t(wrote));
        else if (wrote < 0 && errno != EINTR)
            m_error = errno;
        else if (wrote == 0)
            m_error = EIO;
    }
    return m_error == 0;
}
