#pragma once

#include <string>

// The player's lines from a file descriptor: a line ends at LF, at CR LF or at a CR alone, so
// that a walkthrough written on any system plays turn by turn. A last line without an end is
// still a line. A line longer than kLongestLine is cut there, at a whole UTF-8 character, and
// the rest of it up to its end is skipped, so that whatever comes in (a file with no line end
// at all, /dev/zero) is read in bounded memory.
class LineReader {
public:
    static constexpr std::size_t kLongestLine = 64 << 10;

    explicit LineReader(int fd) : m_fd(fd) {}

    // The next line's bytes, without its end; false at the end of input.
    bool ReadLine(std::string &line);
    // Whether the line just read was cut.
    bool Cut() const { return m_cut; }
    // Cuts a line longer than kLongestLine there; true when it did.
    static bool CutLongLine(std::string &line);

private:
    bool fill();

    int m_fd;
    std::string m_buffer;
    std::size_t m_at = 0;
    bool m_afterCr = false;  // an LF that comes next belongs to the CR before it
    bool m_skipping = false; // the rest of a cut line is still coming
    bool m_cut = false;
    bool m_ended = false;
};
