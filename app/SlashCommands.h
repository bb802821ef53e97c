#pragma once

#include <string_view>

class Game;
class TerminalConsole;

// A line that begins with "/" is a command to the player program, not a turn: /save FILE,
// /restore FILE, /undo, /redo, /restart, /help. "//text" plays the turn "/text". True when the
// line was such a command and has been dealt with; false when it is a turn to play (`turn` then
// holds the line to play).
bool RunSlashCommand(std::u16string_view line, Game &game, TerminalConsole &terminal,
                     std::u16string_view &turn);
