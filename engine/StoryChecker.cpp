#include "StoryChecker.h"

#include "CommandSyntax.h"
#include "NumberReading.h"
#include "Story.h"
#include "Text.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace {

using Severity = StoryProblem::Severity;

std::u16string quoted(std::u16string_view text) {
    return u"«" + std::u16string(text) + u"»";
}

class Checker {
public:
    explicit Checker(const Script &script) : m_script(script) {}

    std::vector<StoryProblem> Run() {
        m_collecting = true;
        walkLines();
        m_collecting = false;
        walkLines();
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
            ForEachCommand(line, u'&', [&](std::u16string_view command) {
                checkCommand(command, true, line.ends_with(u':'));
                return true;
            });
        }
    }

    void report(Severity severity, std::u16string text) {
        if (!m_collecting)
            m_problems.push_back({m_line, severity, std::move(text)});
    }

    // `topLevel`: the command stands on a line of the script, where what is being defined can be
    // followed line by line; in a body or a branch it runs whenever the player makes it run.
    void checkCommand(std::u16string_view command, bool topLevel, bool labelLine = false) {
        const std::u16string word = LowerCase(ВыделитьКоманду(command));
        const std::u16string_view parameters = ВыдПараметры(command);
        if (word.empty())
            return;
        if (!Story::FindCommand(word)) {
            if (labelLine && topLevel)
                report(Severity::Warning,
                       u"строка метки без rem: когда сценарий дойдёт до неё, автору покажется "
                       u"предупреждение о неизвестной команде " +
                           quoted(word) + u"; напишите «rem " + std::u16string(command) + u"»");
            else
                report(Severity::Error, u"неизвестная команда " + quoted(word));
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
                ForEachCommand(branch, u'*', [&](std::u16string_view command) {
                    checkCommand(command, false);
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
            checkCommand(command, false);
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
};

} // namespace

std::vector<StoryProblem> CheckStory(const Script &script) {
    return Checker(script).Run();
}
