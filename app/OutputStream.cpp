#include "OutputStream.h"

#include "io/Files.h"

#include <cerrno>

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
    if (m_error == 0 && !WriteAll(m_fd, bytes))
        m_error = errno;
    return m_error == 0;
}
