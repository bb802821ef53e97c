#include "LineReader.h"

#include <cerrno>
#include <unistd.h>

bool LineReader::fill() {
    if (m_ended)
        return false;
    m_buffer.erase(0, m_at);
    m_at = 0;
    char chunk[1 << 16];
    for (;;) {
        const ssize_t got = read(m_fd, chunk, sizeof chunk);
        if (got > 0) {
            m_buffer.append(chunk, std::size_t(got));
            return true;
        }
        if (got < 0 && errno == EINTR)
            continue;
        m_ended = true; // the end of input, or input that can no longer be read
        return false;
    }
}

bool LineReader::ReadLine(std::string &line) {
    line.clear();
    for (;;) {
        if (m_at == m_buffer.size() && !fill())
            return !line.empty();
        if (m_afterCr && m_buffer[m_at] == '\n')
            ++m_at;
        m_afterCr = false;
        const std::size_t end = m_buffer.find_first_of("\r\n", m_at);
        if (end == std::string::npos) {
            line.append(m_buffer, m_at);
            m_at = m_buffer.size();
            continue;
        }
        line.append(m_buffer, m_at, end - m_at);
        m_afterCr = m_buffer[end] == '\r';
        m_at = end + 1;
        return true;
    }
}
