#pragma once

#include "game/Journal.h"

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
    // Shows the prompt and reads one line. The journal's typed lines are there for Up and Down.
    Result ReadLine(const Journal &journal, std::string &line);
    // What ReadLine does first: Up and Down get the lines typed since the last line was read.
    void Follow(const Journal &journal);

private:
    EditLine *m_editor;
    History *m_history;
    TypedLinesFollower m_typed; // what the history holds now
};
