#pragma once

#include <QString>

// «Справка» → «Клавиши»: every key of the game window, one a line.
QString KeysHelpText();
// «Справка» → «О программе»: the program, its version (the project's, as the launcher shows it).
QString AboutText();
