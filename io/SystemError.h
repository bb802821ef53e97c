#pragma once

#include <string>

// What went wrong with a file, in Russian, as the rest of the program speaks: the errors a
// player can meet (no such file, no right to it, a full disk, a name too long…) by name, any
// other by its number. UTF-8.
std::string SystemErrorText(int code);
