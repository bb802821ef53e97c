#include "Walkthrough.h"

#include "LinePattern.h"
#include "OutputStream.h"
#include "Transcript.h"
#include "engine/Text.h"
#include "io/Files.h"
#include "game/Game.h"

#include <vector>

namespace {

constexpr std::size_t kLargestWalkthrough = 16 << 20;

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        std::string_view line = text.substr(0, text.find('\n'));
        text.remove_prefix(std::min(line.size() + 1, text.size()));
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
    }
    return lines;
}

// A check's text as a failure quotes it: its start, when it is long.
std::string excerpt(std::string_view text) {
    constexpr std::size_t kLongest = 80;
    if (text.size() <= kLongest)
        return std::string(text);
    std::size_t cut = kLongest;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut; // not through a character
    return std::string(text.substr(0, cut)) + "… (" + std::to_string(text.size()) + " байт)";
}

// Whether the check holds for the turn's output; `expected` says what it asked for.
bool holds(std::string_view check, std::string_view output, std::string &expected) {
    const std::vector<std::string_view> lines = linesOf(output);
    const auto any = [&](auto matches) {
        for (std::string_view line : lines)
            if (matches(line))
                return true;
        return false;
    };
    if (check.size() >= 2 && check.starts_with('/') && check.ends_with('/')) {
        const std::string_view pattern = check.substr(1, check.size() - 2);
        expected = "ожидалась строка, подходящая под /" + excerpt(pattern) + "/";
        LinePattern re(pattern);
        const bool found = re.FoundInAny(lines);
        if (!re.Problem().empty())
            expected += " (" + re.Problem() + ")";
        return found;
    }
    if (check.starts_with('!')) {
        expected =
            "ожидалось, что ни одна строка не содержит «" + excerpt(check.substr(1)) + "»";
        return !any([&](std::string_view line) {
            return line.find(check.substr(1)) != std::string_view::npos;
        });
    }
    expected = "ожидалась строка с «" + excerpt(check) + "»";
    return any([&](std::string_view line) { return line.find(check) != std::string_view::npos; });
}

} // namespace

int RunWalkthrough(const std::string &walkthroughPath, const std::string &storyPath,
                   StoryEncoding encoding, OutputStream &out) {
    std::string script, error;
    if (!ReadFileAtMost(walkthroughPath, kLargestWalkthrough, script, error)) {
        out.Write("zuft-cli: " + walkthroughPath + ": " + error + "\n");
        return 2;
    }
    TranscriptRecorder host;
    Game game(host, host);
    if (!game.Load(storyPath, encoding)) {
        out.Write("zuft-cli: " + host.Take());
        return 2;
    }
    game.Begin();
    std::string output = host.Take();
    int turns = 0, checks = 0, failed = 0;
    bool turnShown = false; // the output of a turn with a failing check has been written
    const std::vector<std::string_view> lines = linesOf(WithoutByteOrderMark(script));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.empty() || line.starts_with('#'))
            continue;
        if (line.starts_with('>')) {
            std::string_view typed = line.substr(1);
            if (typed.starts_with(' '))
                typed.remove_prefix(1);
            game.Turn(FromUtf8(typed));
            output = host.Take();
            turnShown = false;
            ++turns;
            continue;
        }
        ++checks;
        std::string expected;
        if (holds(line, output, expected))
            continue;
        ++failed;
        out.Write(walkthroughPath + ":" + std::to_string(i + 1) + ": " + expected + "\n");
        if (!turnShown)
            out.Write("вывод хода:\n" + output + (output.ends_with('\n') ? "" : "\n"));
        turnShown = true;
    }
    if (checks == 0) {
        // A script that checks nothing would pass whatever the story does.
        out.Write(walkthroughPath + ": в сценарии нет ни одной проверки (ходов " +
                  std::to_string(turns) + ")\n");
        return 1;
    }
    out.Write(walkthroughPath + ": ходов " + std::to_string(turns) + ", проверок " +
              std::to_string(checks) + ", " +
              (failed ? "не выполнено " + std::to_string(failed) : std::string("все выполнены")) +
              "\n");
    return failed ? 1 : 0;
}
