#pragma once

// The width of the terminal on a file descriptor, in columns, read again after the player has
// resized the terminal (SIGWINCH). 0 when the terminal does not say.
class TerminalWidth {
public:
    explicit TerminalWidth(int fd);
    int Columns();

private:
    void read();

    int m_fd;
    int m_columns = 0;
};
