#pragma once

#include "TerminalConsole.h"
#include "engine/Script.h"

#include <string>

// What zuft-cli was asked to do.
struct CliOptions {
    enum class Mode {
        Play,  // play the story, one line of standard input a turn
        Check, // list the story's problems without playing it
        Test,  // play a walkthrough script and check what the story answers
        Help,
        Version
    };
    Mode mode = Mode::Play;
    MessageTarget messages = MessageTarget::Stderr;
    bool where = false; // each message's record starts with "STORY:LINE: "
    StoryEncoding encoding = StoryEncoding::Detect;
    std::string walkthrough; // the script of --test
    std::string story;
};

// Reads the command line. False, with `error` saying why, for arguments that make no sense.
bool ParseCliOptions(int argc, char **argv, CliOptions &options, std::string &error);

extern const char kCliUsage[];
