#pragma once

#include <string>
#include <string_view>

// A file descriptor written through a buffer of its own, in writes of up to 64 KiB, every one
// checked. The first failure is kept: whatever was written after it is lost too, and the
// player program ends the game saying why.
class OutputStream {
public:
    explicit OutputStream(int fd) : m_fd(fd) { m_buffer.reserve(kBufferSize); }

    void Write(std::string_view bytes);
    bool Flush();

    bool Failed() const { return m_error != 0; }
    int Error() const { return m_error; } // the errno of the first failed write

private:
    static constexpr std::size_t kBufferSize = 1 << 16;
    bool writeAll(std::string_view bytes);

    int m_fd;
    std::string m_buffer;
    int m_error = 0;
};
