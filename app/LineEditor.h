#pragma once

#include "game/TypedLines.h"

#include <string>

typedef struct editline EditLine;
typedef struct history History;

// The player's lines from an interactive terminal, edited as in a shell: Left, Right, Home, End,
// Backspace and Delete over whole letters (Cyrillic ones too), Ctrl+W and Ctrl+U, and Up and
// Down through the lines typed in this game. Ctrl+D ends a line that has text, as Enter would,
// and ends the game on an empty one. The terminal is its own only while a line is read.
class LineEditor {
public:
    LineEditor();
    LineEditor(const LineEditor &) = delete;
    LineEditor &operator=(const LineEditor &) = delete;
    ~LineEditor();

    enum class Result {
        Line,       // `line` holds the typed line's UTF-8, without its end
        End,        // Ctrl+D on an empty line, or the terminal is gone
        Interrupted // Ctrl+C
    };
    // Shows the prompt and reads one line. `typed`: the lines typed in this game, oldest first,
    // for Up and Down.
    Result ReadLine(const TypedLines &typed, std::string &line);
    // Brings Up and Down up to date with the game's typed lines: a turn adds its one line.
    void Follow(const TypedLines &typed);

private:

    EditLine *m_editor;
    History *m_history;
    TypedLines::Seen m_remembered; // how much of the game's lines the history holds
};
