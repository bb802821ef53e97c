#include "CliOptions.h"

#include <string_view>
#include <vector>

const char kCliUsage[] =
    "Usage: zuft-cli [options] STORY\n"
    "       zuft-cli --check [options] STORY\n"
    "       zuft-cli --test WALKTHROUGH [options] STORY\n"
    "\n"
    "Plays a Zuft story (.teg) in the terminal: the story runs to its first waiting point,\n"
    "then every line of standard input is one turn. Standard output carries the story's\n"
    "text in UTF-8; messages to the story's author are records \"[title] text\".\n"
    "\n"
    "Options:\n"
    "  --messages=WHERE      where messages to the story's author go: stderr (the default),\n"
    "                        stdout or none\n"
    "  --where               start each message's record with STORY:LINE:, the line where\n"
    "                        the command it concerns is written, for an editor to jump to\n"
    "  --encoding=ENCODING   read the story as utf-8 or cp1251 (Windows-1251) instead of\n"
    "                        telling from its bytes (also UTF-8, utf8, windows-1251...)\n"
    "  --check               list the story's problems, one per line, without playing it\n"
    "  --test WALKTHROUGH    play the walkthrough's lines and check the story's answers\n"
    "  -h, --help            show this help\n"
    "  -v, --version         show the version\n";

namespace {

bool parseMessages(std::string_view text, MessageTarget &target) {
    if (text == "stderr")
        target = MessageTarget::Stderr;
    else if (text == "stdout")
        target = MessageTarget::Stdout;
    else if (text == "none")
        target = MessageTarget::None;
    else
        return false;
    return true;
}

} // namespace

bool ParseCliOptions(int argc, char **argv, CliOptions &options, std::string &error) {
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        std::string_view argument = argv[i];
        if (argument == "--") {
            positional.insert(positional.end(), argv + i + 1, argv + argc);
            break;
        }
        if (!argument.starts_with('-') || argument == "-") {
            positional.emplace_back(argument);
            continue;
        }
        // --name=value, or --name value for the options that take one
        std::string_view name = argument, value;
        const std::size_t equals = argument.find('=');
        const bool hasValue = equals != std::string_view::npos;
        if (hasValue) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        const bool takesValue = name == "--messages" || name == "--encoding" || name == "--test";
        if (takesValue && !hasValue) {
            if (i + 1 == argc) {
                error = std::string(name) + " needs a value";
                return false;
            }
            value = argv[++i];
        } else if (!takesValue && hasValue) {
            error = "unknown option " + std::string(argument);
            return false;
        }
        if (name == "-h" || name == "--help") {
            options.mode = CliOptions::Mode::Help;
            return true;
        }
        if (name == "-v" || name == "--version") {
            options.mode = CliOptions::Mode::Version;
            return true;
        }
        if (name == "--messages" && !parseMessages(value, options.messages)) {
            error = "--messages takes stderr, stdout or none";
            return false;
        }
        if (name == "--encoding" && !ParseStoryEncoding(value, options.encoding)) {
            error = "--encoding takes utf-8 or cp1251";
            return false;
        }
        if (name == "--where") {
            options.where = true;
        } else if (name == "--check") {
            options.mode = CliOptions::Mode::Check;
        } else if (name == "--test") {
            options.mode = CliOptions::Mode::Test;
            options.walkthrough = value;
        } else if (!takesValue) {
            error = "unknown option " + std::string(argument);
            return false;
        }
    }
    if (positional.size() != 1) {
        error = "name one story file";
        return false;
    }
    options.story = positional.front();
    return true;
}
