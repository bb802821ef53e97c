#include "CommandSyntax.h"
#include "Story.h"
#include "Text.h"

#include <utility>

// Starts a run: lines from the cursor until a line that is exactly "wait", or the end of the
// story. A jump on a line starts a run inside this one; when it stops, this run goes on after the
// line where it stopped, since both share the one cursor.
void Story::ОбработкаФайла() {
    if (m_runDepth >= kMaxNestedRuns) {
        StopTurn(u"Слишком много переходов подряд без остановки на wait.",
                 m_script->lines[std::size_t(m_run.cursor)],
                 u"не более " + DecimalText(kMaxNestedRuns) + u" вложенных переходов");
        return;
    }
    ++m_runDepth;
    // the line of the jump that started this run, put back when it ends
    m_nests.push_back({.kind = Nest::Kind::Run, .line = m_run.commandLine});
}

// Starts dispatching every command of the text before looking at the rest of it.
void Story::RunCommands(std::u16string_view text, char16_t separator) {
    m_nests.push_back({.kind = Nest::Kind::Commands, .text = text, .separator = separator});
}

// body -> command { " | " command }: every command of a room or item function, in order, as if
// it stood in the story.
void Story::RunBody(std::u16string_view body, int line) {
    const std::size_t floor = m_nests.size();
    m_nests.push_back({.kind = Nest::Kind::Line, .line = std::exchange(m_run.commandLine, line)});
    RunCommands(body, u'|');
    Drive(floor);
}

// Takes the innermost level a step on until every level above `floor` has ended. A step may
// start a level inside it, so the level it was given is not looked at after that.
void Story::Drive(std::size_t floor) {
    while (m_nests.size() > floor) {
        Nest &nest = m_nests.back();
        switch (nest.kind) {
        case Nest::Kind::Run:
            StepRun(nest);
            break;
        case Nest::Kind::Commands:
            StepCommands(nest);
            break;
        case Nest::Kind::Command:
            EndCommand(nest);
            break;
        case Nest::Kind::Trace:
            m_nests.pop_back();
            Tell({kApplicationTitle, u"n0!", MessageIcon::None, MessageKind::Trace, CommandLine()});
            break;
        case Nest::Kind::Line:
            m_run.commandLine = nest.line;
            m_nests.pop_back();
            break;
        }
    }
}

void Story::StepRun(Nest &run) {
    const std::vector<std::u16string> &lines = m_script->lines;
    const auto end = [&] {
        m_run.commandLine = run.line;
        --m_runDepth;
        m_nests.pop_back();
    };
    if (std::exchange(run.underWay, false)) {
        // An inner run that reached the end of the story has ended it for every run.
        if (m_budget.unwinding || m_run.cursor >= m_script->LineCount())
            return end();
        ++m_run.cursor;
    }
    if (m_run.cursor >= m_script->LineCount())
        return end();
    if (lines[std::size_t(m_run.cursor)] == u"wait") {
        m_run.lastWait = m_run.cursor;
        return end();
    }
    m_run.commandLine = m_run.cursor + 1;
    run.underWay = true;
    RunCommands(lines[std::size_t(m_run.cursor)], u'&'); // line -> command { " & " command }
}

void Story::StepCommands(Nest &commands) {
    if (std::exchange(commands.underWay, false) && (commands.last || m_budget.unwinding)) {
        m_nests.pop_back();
        return;
    }
    std::u16string_view command;
    commands.last = TakeCommand(commands.text, commands.separator, command);
    commands.underWay = true;
    UseCom(LowerCase(ВыделитьКоманду(command)), ВыдПараметры(command));
}
