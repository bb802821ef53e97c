#include "PlayerLines.h"

#include "TerminalConsole.h"
#include "game/Game.h"

#include <unistd.h>

// The browser's build reads its lines as they come: node has no terminal to edit them in.
PlayerLines::PlayerLines(TerminalConsole &terminal, bool editing)
    : m_terminal(terminal), m_reader(STDIN_FILENO) {
#ifdef ZUFT_LINE_EDITING
    if (editing)
        m_editor = std::make_unique<LineEditor>();
#else
    (void)editing;
#endif
}

PlayerLines::~PlayerLines() = default;

PlayerLines::Result PlayerLines::Next(const Game &game, std::string &line) {
#ifdef ZUFT_LINE_EDITING
    if (m_editor) {
        m_terminal.StartLine();
        const Result result = m_editor->ReadLine(game.journal(), line);
        m_cut = LineReader::CutLongLine(line);
        return result;
    }
#else
    (void)game;
#endif
    m_terminal.Prompt();
    if (!m_reader.ReadLine(line))
        return Result::End;
    m_cut = m_reader.Cut();
    return Result::Line;
}
