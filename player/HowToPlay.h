#pragma once

#include <string>

// «Как играть»: what a player may type in any story (the built-in words), the keys, and that a
// story's other verbs are its author's. One text for every front end: «Справка» → «Как играть»
// in the game window, the page's menu «Справка», and zuft-cli's /help. Lines are separated by
// "\n"; a line that starts with two spaces is an entry of a list.
std::u16string HowToPlayText();
