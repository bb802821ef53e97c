#pragma once

#include "LineEditor.h"
#include "LineReader.h"

#include <memory>
#include <string>

class Game;
class TerminalConsole;

// The lines the player types: edited, with the game's own history, in an interactive terminal;
// read as they come from a file or a pipe, so that a transcript stays the same byte for byte.
class PlayerLines {
public:
    PlayerLines(TerminalConsole &terminal, bool editing);
    ~PlayerLines();

    // The end of input counts as Ctrl+D on an empty line.
    using Result = LineEditor::Result;
    // Shows the prompt and reads the next line's UTF-8 into `line`.
    Result Next(const Game &game, std::string &line);
    // Whether the line just read was longer than LineReader::kLongestLine and was cut.
    bool Cut() const { return m_cut; }

private:
    TerminalConsole &m_terminal;
    LineReader m_reader;
#ifdef ZUFT_LINE_EDITING // the browser's build has no line editor
    std::unique_ptr<LineEditor> m_editor;
#endif
    bool m_cut = false;
};
