#pragma once

#include "world/World.h"

// The bounds on what a story's run may do, shared by the run loop and the story checker.

// The deepest that jumps and conditions may nest.
inline constexpr int kMaxNestedRuns = 2000;
// The deepest that commands may nest. Branches of conditions inside branches nest commands
// without a jump, and every jump is itself a command, so this bounds all nesting. The levels
// of a run are kept on the heap, a few dozen bytes each, so the bound is there to tell the
// author of a runaway chain, not to spare the stack. One more than the runs: a turn's
// function body is a command before its first jump, and a chain of jumps is to be told as
// one. The story checker, which follows lines on the stack, stops at the same depth.
inline constexpr int kMaxNestedCommands = kMaxNestedRuns + 1;
// The most work one turn (or the opening) may do. Every command costs kCommandWork, and
// every character a command reads, prints, shows the author or compares in a lookup costs
// one more. The longest story run from end to end costs about a third of it, a turn that
// prints 100,000 lines of text a tenth.
#ifdef ZUFT_FUZZ_TURN_WORK
// The fuzzers pay a turn far less, so that a story that runs away costs them milliseconds
// rather than seconds; the full budget is held by its own tests.
inline constexpr Work kMaxTurnWork = ZUFT_FUZZ_TURN_WORK;
#else
inline constexpr Work kMaxTurnWork = 200'000'000;
#endif
inline constexpr Work kCommandWork = 100;
// About a quarter of a millisecond of a turn's work.
inline constexpr Work kWorkBetweenChecks = 1 << 16;
