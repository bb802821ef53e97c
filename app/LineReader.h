#pragma once

#include <string>

// The player's lines from a file descriptor: a line ends at LF, at CR LF or at a CR alone, so
// that a walkthrough written on any system plays turn by turn. A last line without an end is
// still a line.
class LineReader {
public:
    explicit LineReader(int fd) : m_fd(fd) {}

    // The next line's bytes, without its end; false at the end of input.
    bool ReadLine(std::string &line);

private:
    bool fill();

    int m_fd;
    std::string m_buffer;
    std::size_t m_at = 0;
    bool m_afterCr = false; // an LF that comes next belongs to the CR before it
    bool m_ended = false;
};
