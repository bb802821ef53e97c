#pragma once

#include <string>

// The stories the benchmarks play, generated as story files (Windows-1251, CR LF line ends) so
// that every run measures exactly the same script.

// The longest story a file may hold, 32,766 lines: a hundred rooms and items with their
// functions, variables, the opening, then labelled chapters of text, "set", "if" and jumps.
// Its first run builds the world, describes the first room and stops at the first "wait".
std::string MaximumStory();

// The largest file a story may be, 64 MiB: the world of the longest story, then comment lines
// of about 2 KiB each up to the last line.
std::string LargestFile();

// The largest world: 100 rooms with ten exits each (the longest exits line), 100 items with ten
// functions each, 100 variables. The player stands in the last room, beside the last item.
std::string LargestWorld();
// The line that takes the last item: it is matched against every function of every item, and
// its body sets a variable and describes the room again with "setroom".
std::u16string LargestWorldTurn();

// A story whose opening prints `lines` lines, and whose function "печать" prints them again.
std::string PrintingStory(int lines);
std::u16string PrintingStoryTurn();

// A story whose opening jumps `depth` times, each jump from a line that a run is executing, so
// that the runs nest `depth` deep before the last one prints "дно" and stops.
std::string NestedJumps(int depth);

// One room described in one sentence: the smallest story that answers a look.
std::string TinyStory();
