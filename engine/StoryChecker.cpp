#include "StoryChecker.h"

#include "CommandSyntax.h"
#include "CommandTable.h"
#include "DepthGuard.h"
#include "NumberReading.h"
#include "RunLimits.h"
#include "Text.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace {

using Severity = StoryProblem::Severity;

// A diagnostic quotes the start of a text, never a whole line of megabytes.
constexpr std::size_t kLongestQuote = 60;

std::u16string excerpt(std::u16string_view text) {
    if (text.size() <= kLongestQuote)
        return std::u16string(text);
    std::size_t cut = kLongestQuote;
    if (text[cut - 1] >= 0xD800 && text[cut - 1] <= 0xDBFF) // not through a surrogate pair
        --cut;
    return std::u16string(text.substr(0, cut)) + u"… (" + DecimalText((long long)text.size()) +
           u" знаков)";
}

std::u16string quoted(std::u16string_view text) {
    return u"«" + excerpt(text) + u"»";
}

// No command word is longer: a longer word is unknown without being lower-cased whole.
constexpr std::size_t kLongestCommandWord = 16;

class Checker {
public:
    explicit Checker(const Script &script) : m_script(script) {}

    std::vector<StoryProblem> Run() {
        m_collecting = true;
        walkLines();
        m_collecting = false;
        walkLines();
        readingProblems();
        std::stable_sort(
            m_problems.begin(), m_problems.end(),
            [](const StoryProblem &a, const StoryProblem &b) { return a.line < b.line; });
        return std::move(m_problems);
    }

private:
    void walkLines() {
        m_defining.clear();
        m_itemLines = 0;
        for (int i = 0; i < m_script.LineCount(); ++i) {
            const std::u16string &line = m_script.lines[std::size_t(i)];
            if (line == u"wait") // a waiting point, never run as a command
                continue;
            m_line = i + 1;
            m_lineStopped = false;
            m_work = 0;
            ForEachCommand(line, u'&', [&](std::u16string_view command) {
                checkCommand(command, true, 0, line.ends_with(u':'));
                return true;
            });
        }
    }

    // What reading the file's bytes did otherwise than an editor shows them.
    void readingProblems() {
        // A file meant as UTF-8, where LF ends a line, is told once, by its stray byte.
        for (int line : m_script.strayByte.line > 0 ? std::vector<int>() : m_script.joinedLines) {
            m_line = line;
            report(Severity::Warning,
                   u"в этой строке перевод строки LF без CR перед ним: история в Windows-1251 "
                   u"читается с концами строк CR LF, и LF без CR пропускается, так что строки, "
                   u"которые показывает редактор, здесь слиты в одну; сохраните файл с концами "
                   u"строк CR LF или в UTF-8");
        }
        if (m_script.strayByte.line > 0) {
            static constexpr char kDigits[] = "0123456789ABCDEF";
            const unsigned char byte = m_script.strayByte.byte;
            m_line = m_script.strayByte.line;
            report(Severity::Warning,
                   u"файл прочитан как Windows-1251, хотя почти весь он в UTF-8: в этой строке "
                   u"байт 0x" +
                       std::u16string{char16_t(kDigits[byte >> 4]), char16_t(kDigits[byte & 15])} +
                       u", которого в UTF-8 не бывает; исправьте его, и файл прочитается как "
                       u"UTF-8 (или назовите кодировку явно: --encoding=utf-8)");
        }
    }

    void report(Severity severity, std::u16string text) {
        if (!m_collecting)
            m_problems.push_back({m_line, severity, std::move(text)});
    }

    // `topLevel`: the command stands on a line of the script, where what is being defined can be
    // followed line by line; in a body or a branch it runs whenever the player makes it run.
    // `depth`: how many commands a run has entered when it reaches this one, bounded as a run
    // bounds it. A function's body starts at 0, as a turn runs it; how deep definitions of
    // functions nest in one another is bounded too, though no run enters them.
    void checkCommand(std::u16string_view command, bool topLevel, int depth,
                      bool labelLine = false) {
        const std::u16string_view written = ВыделитьКоманду(command);
        if (written.empty())
            return;
        if (m_lineStopped)
            return;
        if (depth >= kMaxNestedCommands || m_nesting >= kMaxNestedCommands) {
            report(Severity::Error, u"слишком глубокая вложенность: не более " +
                                        DecimalText(kMaxNestedCommands) +
                                        u" вложенных комманд; игра остановит ход на этой "
                                        u"строке, а проверка дальше не идёт");
            m_lineStopped = true;
            return;
        }
        // What a run pays for the command, and for the trace of a condition; the checker's own
        // work on the line is about as much.
        m_work += kCommandWork + command.size();
        if (written.size() == 2 && LowerCase(written) == u"if")
            m_work += command.size();
        if (m_work > kMaxTurnWork) {
            report(Severity::Error, u"слишком много работы без остановки на wait: игра "
                                    u"остановит ход на этой строке, а проверка дальше не идёт");
            m_lineStopped = true;
            return;
        }
        const DepthGuard nested(m_nesting);
        const bool tooLong = written.size() > kLongestCommandWord;
        const std::u16string word = tooLong ? std::u16string() : LowerCase(written);
        const std::u16string_view named = tooLong ? written : std::u16string_view(word);
        const std::u16string_view parameters = ВыдПараметры(command);
        m_depth = depth;
        if (tooLong || !FindCommand(word)) {
            if (labelLine && topLevel)
                report(Severity::Warning,
                       u"строка метки без rem: когда сценарий дойдёт до неё, автору покажется "
                       u"предупреждение о неизвестной команде " +
                           quoted(named) + u"; напишите «rem " + excerpt(command) + u"»");
            else
                report(Severity::Error, u"неизвестная команда " + quoted(named));
            return;
        }
        if (word == u"goto")
            checkJump(parameters);
        else if (word == u"set")
            checkSet(parameters);
        else if (word == u"if")
            checkCondition(parameters);
        else if (word == u"exitview" && parameters != u"0" && parameters != u"1")
            report(Severity::Error,
                   u"exitview принимает только 1 или 0, а не " + quoted(parameters));
        else if (word == u"+func" || word == u"+func_loc" || word == u"+func_inv")
            checkFunction(word, parameters, topLevel);
        else if (word == u"room" || word == u"item" || word == u"done")
            define(word, parameters, topLevel);
        else if (word == u"setroom" || word == u"changeroom")
            needRoom(parameters);
        else if (word == u"+item" || word == u"++item" || word == u"--item")
            needItem(parameters);
        else if (word == u"deleteitem")
            checkDeleteItem(parameters);
    }

    void checkJump(std::u16string_view label) {
        if (!m_script.labels.contains(LowerCase(label) + u':'))
            report(Severity::Warning,
                   u"переход к метке " + quoted(label) + u", которой нет ни в одной строке");
    }

    void checkSet(std::u16string_view parameters) {
        const std::size_t equals = parameters.find(u'=');
        if (equals == std::u16string_view::npos) {
            report(Severity::Error, u"set без «=»: " + quoted(parameters));
            return;
        }
        const double value = std::nearbyint(ReadNumber(parameters.substr(equals + 1)));
        if (!(value >= -32768 && value <= 32767))
            report(Severity::Error, u"значение " + quoted(parameters.substr(equals + 1)) +
                                        u" не помещается в переменную (от -32768 до 32767)");
        useVariable(parameters.substr(0, equals));
    }

    void checkCondition(std::u16string_view parameters) {
        ConditionParts parts;
        switch (SplitCondition(parameters, parts)) {
        case ConditionSplit::NoThen:
            report(Severity::Error, u"условие без then: " + quoted(parameters));
            return;
        case ConditionSplit::MisplacedElse:
            report(Severity::Error, u"else не на своём месте в условии: " + quoted(parameters));
            return;
        case ConditionSplit::Sound:
            break;
        }
        const ConditionTerms terms = ReadCondition(parts.condition);
        if (terms.comparison == Comparison::None)
            report(Severity::Error, u"в условии " + quoted(parts.condition) +
                                        u" нет сравнения (=, <>, ><, >, <): оно ничего не делает");
        else if (terms.item && !terms.room)
            needItem(terms.name, Severity::Error); // the condition is refused with a box
        else
            useVariable(terms.name);
        if (terms.room && terms.comparison == Comparison::Equal)
            needRoom(terms.value);
        for (std::u16string_view branch : {parts.thenPart, parts.elsePart})
            if (!branch.empty())
                ForEachCommand(branch, u'*', [&, depth = m_depth](std::u16string_view command) {
                    checkCommand(command, false, depth + 1);
                    return true;
                });
    }

    void checkFunction(std::u16string_view word, std::u16string_view parameters, bool topLevel) {
        std::u16string_view name, body;
        if (!SplitAtComma(parameters, name, body)) {
            // A run tells it whatever is being defined, after "done" too.
            report(Severity::Error, std::u16string(word) + u" без запятой между именем и телом: " +
                                        quoted(parameters));
            return;
        }
        const bool itemOnly = word != u"+func";
        if (topLevel && !m_defining.empty() && (!itemOnly || m_defining.starts_with(u"item "))) {
            if (m_collecting && ++m_functions[m_defining] == kLastFunctionSlot + 1)
                m_tooManyFunctions.insert(m_line);
            if (m_tooManyFunctions.contains(m_line))
                report(Severity::Error, u"больше " + DecimalText(kLastFunctionSlot) +
                                            u" функций у " + m_definedName);
        }
        ForEachCommand(body, u'|', [&](std::u16string_view command) {
            checkCommand(command, false, 0);
            return true;
        });
    }

    // What is being defined, as far as the lines of the script tell: "room NAME", "item N" for
    // the N-th item line, or nothing.
    void define(std::u16string_view word, std::u16string_view name, bool topLevel) {
        if (word == u"room") {
            if (m_collecting && m_rooms.insert(std::u16string(name)).second &&
                m_rooms.size() == kLastSlot + 1)
                m_tooManyRooms = m_line;
            if (!m_collecting && m_line == m_tooManyRooms)
                report(Severity::Error, u"больше " + DecimalText(kLastSlot) + u" комнат");
        } else if (word == u"item") {
            if (m_collecting)
                m_items.insert(std::u16string(name));
            // An item line creates an item each time it runs; how often a body runs is the
            // player's business, so only the lines of the script are counted.
            if (topLevel && ++m_itemLines == kLastSlot + 1)
                report(Severity::Error, u"больше " + DecimalText(kLastSlot) + u" предметов");
        }
        if (!topLevel)
            return;
        if (word == u"room") {
            m_defining = u"room " + std::u16string(name);
            m_definedName = u"комнаты " + quoted(name);
        } else if (word == u"item") {
            m_defining = u"item " + DecimalText(m_itemLines);
            m_definedName = u"предмета " + quoted(name);
        } else {
            m_defining.clear();
        }
    }

    void useVariable(std::u16string_view name) {
        if (m_collecting) {
            if (m_variables.insert(std::u16string(name)).second &&
                m_variables.size() == kLastSlot + 1)
                m_tooManyVariables = m_line;
        } else if (m_line == m_tooManyVariables && !m_variablesTold) {
            m_variablesTold = true;
            report(Severity::Error, u"больше " + DecimalText(kLastSlot) + u" переменных");
        }
    }

    void needRoom(std::u16string_view name) {
        if (!m_collecting && !m_rooms.contains(std::u16string(name)))
            report(Severity::Warning, u"комната " + quoted(name) + u" нигде не создана");
    }

    void needItem(std::u16string_view name, Severity severity = Severity::Warning) {
        if (!m_collecting && !m_items.contains(std::u16string(name)))
            report(severity, u"предмет " + quoted(name) + u" нигде не создан");
    }

    void checkDeleteItem(std::u16string_view parameters) {
        std::u16string_view room, item;
        if (!SplitAtComma(parameters, room, item)) {
            report(Severity::Error,
                   u"deleteitem без запятой между комнатой и предметом: " + quoted(parameters));
            return;
        }
        needRoom(room);
        needItem(item);
    }

    const Script &m_script;
    bool m_collecting = true;
    int m_line = 0;
    std::vector<StoryProblem> m_problems;
    std::set<std::u16string> m_rooms, m_items, m_variables;
    std::map<std::u16string, int> m_functions;
    std::set<int> m_tooManyFunctions;
    std::u16string m_defining;    // the key of what is being defined
    std::u16string m_definedName; // how the author knows it
    int m_itemLines = 0;
    int m_tooManyRooms = 0, m_tooManyVariables = 0;
    bool m_variablesTold = false;
    int m_depth = 0;   // the run's depth at the command being checked
    int m_nesting = 0; // how deep the checker itself has gone into the line
    // Checking a line of the script stops where a run of it would stop, at the bounds of the
    // nesting and the work of a turn; the checker then takes no more time than the run would.
    bool m_lineStopped = false;
    Work m_work = 0;
};

} // namespace

std::vector<StoryProblem> CheckStory(const Script &script) {
    return Checker(script).Run();
}
