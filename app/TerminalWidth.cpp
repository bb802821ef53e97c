#include "TerminalWidth.h"

#include <csignal>
#include <sys/ioctl.h>

namespace {

volatile std::sig_atomic_t resized = 0;

void heard(int) {
    resized = 1;
}

} // namespace

TerminalWidth::TerminalWidth(int fd) : m_fd(fd) {
    struct sigaction asked {};
    asked.sa_handler = heard;
    asked.sa_flags = SA_RESTART;
    sigemptyset(&asked.sa_mask);
    sigaction(SIGWINCH, &asked, nullptr);
    read();
}

int TerminalWidth::Columns() {
    if (resized)
        read();
    return m_columns;
}

void TerminalWidth::read() {
    resized = 0;
    winsize size{};
    m_columns = ioctl(m_fd, TIOCGWINSZ, &size) == 0 ? size.ws_col : 0;
}
