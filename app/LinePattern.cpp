#include "LinePattern.h"

#include <cstdio>

namespace {

std::string workText(double program, double bytes) {
    char text[160];
    std::snprintf(text, sizeof text, "%.0f шагов выражения на %.0f байт вывода хода", program,
                  bytes);
    return text;
}

double outputBytes(const std::vector<std::string_view> &lines) {
    double bytes = 0;
    for (std::string_view line : lines)
        bytes += double(line.size()) + 1;
    return bytes;
}

} // namespace

#ifdef __EMSCRIPTEN__

#include <emscripten.h>

// node's regular expressions in the linear-time mode of its engine (the flag "l"), which V8 has
// behind an option that a running program may still turn on. A pattern it cannot run in linear
// time, or too large, is refused at once; its search neither backtracks nor recurses.
// clang-format off
EM_JS(int, zuftCompilePattern, (const char *pattern, int length), {
    if (!Module.zuftPatterns) {
        require("v8").setFlagsFromString("--enable-experimental-regexp-engine");
        Module.zuftPatterns = [];
    }
    try {
        Module.zuftPatterns.push(new RegExp(UTF8ToString(pattern, length), "l"));
        Module.zuftPatternError = "";
        return Module.zuftPatterns.length - 1;
    } catch (error) {
        Module.zuftPatternError = String(error.message);
        return -1;
    }
});
EM_JS(int, zuftPatternErrorLength, (), {
    return lengthBytesUTF8(Module.zuftPatternError);
});
EM_JS(void, zuftPatternError, (char *out, int size), {
    stringToUTF8(Module.zuftPatternError, out, size);
});
EM_JS(int, zuftPatternFound, (int index, const char *line, int length), {
    return Module.zuftPatterns[index].test(UTF8ToString(line, length)) ? 1 : 0;
});
EM_JS(void, zuftForgetPattern, (int index), {
    Module.zuftPatterns[index] = null;
});
// clang-format on

struct LinePattern::Engine {
    int index = -1;
};

LinePattern::LinePattern(std::string_view pattern)
    : m_engine(std::make_unique<Engine>()), m_pattern(pattern) {
    m_engine->index = zuftCompilePattern(m_pattern.data(), int(m_pattern.size()));
    if (m_engine->index < 0) {
        std::string why(std::size_t(zuftPatternErrorLength()) + 1, '\0');
        zuftPatternError(why.data(), int(why.size()));
        why.resize(why.find('\0'));
        // "Invalid regular expression: /PATTERN/l: REASON": the reason, not the whole pattern
        if (const std::size_t reason = why.rfind("/l: "); reason != std::string::npos)
            why.erase(0, reason + 4);
        m_problem = "выражение не принято: " + why;
    }
}

LinePattern::~LinePattern() {
    if (m_engine->index >= 0)
        zuftForgetPattern(m_engine->index);
}

bool LinePattern::FoundInAny(const std::vector<std::string_view> &lines) {
    if (!m_problem.empty())
        return false;
    // Node does not tell the size of its program: the pattern's own length stands for it.
    const double program = double(m_pattern.size()) + 1, bytes = outputBytes(lines);
    if (program * bytes > kMostWork) {
        m_problem = "проверка слишком велика: " + workText(program, bytes) +
                    "; упростите выражение";
        return false;
    }
    for (std::string_view line : lines)
        if (zuftPatternFound(m_engine->index, line.data(), int(line.size())))
            return true;
    return false;
}

#else

#include <re2/re2.h>

namespace {

const char *errorText(RE2::ErrorCode code) {
    switch (code) {
    case RE2::ErrorBadEscape:
        return "неверная последовательность с \\";
    case RE2::ErrorBadCharClass:
        return "неверный класс символов";
    case RE2::ErrorBadCharRange:
        return "неверный диапазон в классе символов";
    case RE2::ErrorMissingBracket:
        return "нет закрывающей ]";
    case RE2::ErrorMissingParen:
        return "нет закрывающей )";
    case RE2::ErrorUnexpectedParen:
        return "лишняя )";
    case RE2::ErrorTrailingBackslash:
        return "\\ в самом конце";
    case RE2::ErrorRepeatArgument:
        return "повторять нечего";
    case RE2::ErrorRepeatSize:
        return "неверное число повторений (не более 1000)";
    case RE2::ErrorRepeatOp:
        return "неверный знак повторения";
    case RE2::ErrorBadPerlOp:
        return "неверная конструкция (?…) (заглядывания вперёд и назад не поддерживаются)";
    case RE2::ErrorBadUTF8:
        return "неверный UTF-8";
    case RE2::ErrorBadNamedCapture:
        return "неверное имя группы";
    case RE2::ErrorPatternTooLarge:
        return "выражение слишком велико";
    default:
        return "внутренняя ошибка";
    }
}

} // namespace

struct LinePattern::Engine {
    explicit Engine(std::string_view pattern, const RE2::Options &options)
        : re(pattern, options) {}
    RE2 re;
};

LinePattern::LinePattern(std::string_view pattern) : m_pattern(pattern) {
    RE2::Options options;
    options.set_log_errors(false);
    m_engine = std::make_unique<Engine>(pattern, options);
    const RE2 &re = m_engine->re;
    if (!re.ok()) {
        m_problem = std::string("не регулярное выражение: ") + errorText(re.error_code());
        if (!re.error_arg().empty() && re.error_arg().size() <= 60)
            m_problem += ": «" + re.error_arg() + "»";
    }
}

LinePattern::~LinePattern() = default;

bool LinePattern::FoundInAny(const std::vector<std::string_view> &lines) {
    if (!m_problem.empty())
        return false;
    const double program = m_engine->re.ProgramSize(), bytes = outputBytes(lines);
    if (program * bytes > kMostWork) {
        m_problem = "проверка слишком велика: " + workText(program, bytes) +
                    "; упростите выражение";
        return false;
    }
    for (std::string_view line : lines)
        if (RE2::PartialMatch(line, m_engine->re))
            return true;
    return false;
}

#endif
