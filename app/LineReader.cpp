#include "LineReader.h"

#include <cerrno>
#include <unistd.h>
#include <utility>

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

// Keeps the first kLongestLine bytes, less the start of a character that they split.
bool LineReader::CutLongLine(std::string &line) {
    if (line.size() <= kLongestLine)
        return false;
    std::size_t end = kLongestLine;
    for (int back = 0; back < 3 && (line[end] & 0xC0) == 0x80; ++back)
        --end;
    line.resize((line[end] & 0xC0) == 0x80 ? kLongestLine : end);
    return true;
}

bool LineReader::ReadLine(std::string &line) {
    line.clear();
    m_cut = false;
    for (;;) {
        if (m_at == m_buffer.size() && !fill())
            return !line.empty();
        if (m_afterCr && m_buffer[m_at] == '\n')
            ++m_at;
        m_afterCr = false;
        const std::size_t end = m_buffer.find_first_of("\r\n", m_at);
        if (!m_skipping)
            line.append(m_buffer, m_at, end == std::string::npos ? end : end - m_at);
        if (end == std::string::npos) {
            m_at = m_buffer.size();
            if (line.size() <= kLongestLine)
                continue;
            // The cut line is played at once; the rest of it is skipped as it comes.
            m_cut = CutLongLine(line);
            m_skipping = true;
            return true;
        }
        m_afterCr = m_buffer[end] == '\r';
        m_at = end + 1;
        if (std::exchange(m_skipping, false))
            continue;
        m_cut = CutLongLine(line);
        return true;
    }
}
