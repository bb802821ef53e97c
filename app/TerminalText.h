#pragma once

#include <string>
#include <string_view>

// A story's text as a terminal shows it. A terminal takes control characters as instructions: a
// story file, which may come from anywhere, could otherwise move the cursor, retitle the window
// or make the terminal answer as if the player had typed. So every line break (CR LF, or a CR
// or LF alone) becomes "\n", as the game window breaks its lines, a tab stays a tab, and any
// other control character is shown as its picture (ESC as "␛", BEL as "␇"), which also tells
// the story's author what the text holds.
std::u16string ForTerminal(std::u16string_view text);
