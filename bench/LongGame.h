#pragma once

#include "MemoryConsole.h"
#include "game/Game.h"

#include <string>

// A game of the largest world played for a number of turns, each running an item's function that
// sets a variable and describes the room again. It keeps its history, as the game window does.
struct LongGame {
    MemoryConsole host;
    Game game{host, host};

    explicit LongGame(int turns);
};

// The save of such a game, for a host that restores it or resumes it from its autosave.
std::string LongGameSave(int turns);
