#pragma once

#include "engine/Script.h"

#include <string>

class OutputStream;

// A walkthrough script, UTF-8, one instruction a line:
//   > LINE     plays LINE as a turn
//   TEXT       some line of the turn's output contains TEXT
//   !TEXT      no line of the turn's output contains TEXT
//   /RE/       some line of the turn's output matches the regular expression RE somewhere (see
//              LinePattern.h: linear time, no back-references)
//   # ...      a comment
// A check is on the output of the turn above it; before the first turn, on the opening. The
// output is the turn's transcript with the messages to the author among it, as
// `zuft-cli --messages=stdout` writes it.
//
// Plays the walkthrough and writes to `out` a one-line summary when every check holds, or each
// failing check as "SCRIPT:LINE: what was expected" followed by the turn's output; a pattern
// that cannot be searched for fails its check, saying why. The exit status: 0 every check
// holds, 1 some do not or the script checks nothing at all, 2 the walkthrough or the story
// cannot be read.
int RunWalkthrough(const std::string &walkthroughPath, const std::string &storyPath,
                   StoryEncoding encoding, OutputStream &out);
