#pragma once

#include <string>

// Where Zuft keeps the player's games, the kept games of every story among them: the same folder
// for the game window and the terminal, so that a game started in one goes on in the other.
// $XDG_DATA_HOME/zuft, or ~/.local/share/zuft; empty when the player has no home folder.
std::string DataFolder();
