#include "Walkthrough.h"

#include "OutputStream.h"
#include "Transcript.h"
#include "engine/Text.h"
#include "game/Files.h"
#include "game/Game.h"

#include <regex>
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

// A regular expression matches characters, not the bytes of UTF-8.
std::wstring wide(std::string_view utf8) {
    const std::u16string text = FromUtf8(utf8);
    std::wstring characters;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size())
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        characters += wchar_t(c);
    }
    return characters;
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
        expected = "ожидалась строка, подходящая под /" + std::string(pattern) + "/";
        try {
            const std::wregex re(wide(pattern));
            return any([&](std::string_view line) { return std::regex_search(wide(line), re); });
        } catch (const std::regex_error &) {
            expected += " (это не регулярное выражение)";
            return false;
        }
    }
    if (check.starts_with('!')) {
        expected =
            "ожидалось, что ни одна строка не содержит «" + std::string(check.substr(1)) + "»";
        return !any([&](std::string_view line) {
            return line.find(check.substr(1)) != std::string_view::npos;
        });
    }
    expected = "ожидалась строка с «" + std::string(check) + "»";
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
    out.Write(walkthroughPath + ": ходов " + std::to_string(turns) + ", проверок " +
              std::to_string(checks) + ", " +
              (failed ? "не выполнено " + std::to_string(failed) : std::string("все выполнены")) +
              "\n");
    return failed ? 1 : 0;
}
