#pragma once

#include "Script.h"

#include <string>
#include <vector>

// A problem the story checker found, told the way compilers tell theirs.
struct StoryProblem {
    enum class Severity {
        Error,  // the line does not do what it says: a run shows the author a box, or skips it
        Warning // the line runs, but most likely not as the author meant
    };
    int line = 0; // counted from 1, as editors count
    Severity severity = Severity::Error;
    std::u16string text;
};

// Reads a loaded story without playing it and lists every problem, in the order of the lines:
// unknown command words (also in function bodies and condition branches), jumps to labels no
// line carries, malformed conditions, set, exitview and functions, rooms and items used but never
// created, and more rooms, items, functions or variables than the tables hold. It cuts the lines
// exactly as a run does, with the same command table.
std::vector<StoryProblem> CheckStory(const Script &script);
