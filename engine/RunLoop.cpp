#include "CommandSyntax.h"
#include "DepthGuard.h"
#include "Story.h"
#include "Text.h"

#include <utility>

// Executes lines from the cursor until a line that is exactly "wait", or the end of the story.
// A jump on a line starts a run inside this one; when it stops, this run goes on after the line
// where it stopped, since both share the one cursor.
void Story::ОбработкаФайла() {
    if (m_runDepth >= kMaxNestedRuns) {
        StopTurn(u"Слишком много переходов подряд без остановки на wait.",
                 m_script->lines[std::size_t(m_run.cursor)],
                 u"не более " + DecimalText(kMaxNestedRuns) + u" вложенных переходов");
        return;
    }
    DepthGuard nested(m_runDepth);
    const int outerLine = m_run.commandLine; // the line of the jump that started this run
    const std::vector<std::u16string> &lines = m_script->lines;
    while (m_run.cursor < m_script->LineCount()) {
        if (lines[std::size_t(m_run.cursor)] == u"wait") {
            m_run.lastWait = m_run.cursor;
            break;
        }
        m_run.commandLine = m_run.cursor + 1;
        RunCommands(lines[std::size_t(m_run.cursor)], u'&'); // line -> command { " & " command }
        // An inner run that reached the end of the story has ended it for every run.
        if (m_budget.unwinding || m_run.cursor >= m_script->LineCount())
            break;
        ++m_run.cursor;
    }
    m_run.commandLine = outerLine;
}

// Dispatches every command of the text before looking at the rest of it.
void Story::RunCommands(std::u16string_view text, char16_t separator) {
    ForEachCommand(text, separator, [this](std::u16string_view command) {
        UseCom(LowerCase(ВыделитьКоманду(command)), ВыдПараметры(command));
        return !m_budget.unwinding;
    });
}

// body -> command { " | " command }: every command of a room or item function, in order, as if
// it stood in the story.
void Story::RunBody(std::u16string_view body, int line) {
    const int outer = std::exchange(m_run.commandLine, line);
    RunCommands(body, u'|');
    m_run.commandLine = outer;
}
