#include "CommandSyntax.h"
#include "DepthGuard.h"
#include "Story.h"
#include "Text.h"

// Executes lines from the cursor until a line that is exactly "wait", or the end of the story.
// A jump on a line starts a run inside this one; when it stops, this run goes on after the line
// where it stopped, since both share the one cursor.
void Story::ОбработкаФайла() {
    if (m_runDepth >= kMaxNestedRuns) {
        StopTurn(u"Слишком много переходов подряд без остановки на wait.",
                 LineTable()[std::size_t(m_cursor)],
                 u"не более " + DecimalText(kMaxNestedRuns) + u" вложенных переходов");
        return;
    }
    DepthGuard nested(m_runDepth);
    const int outerLine = m_commandLine; // the line of the jump that started this run
    while (m_cursor < LineCount()) {
        if (LineTable()[std::size_t(m_cursor)] == u"wait") {
            m_lastWait = m_cursor;
            break;
        }
        m_commandLine = m_cursor + 1;
        ОбработкаСтроки(m_cursor);
        // An inner run that reached the end of the story has ended it for every run.
        if (m_unwinding || m_cursor >= LineCount())
            break;
        ++m_cursor;
    }
    m_commandLine = outerLine;
}

void Story::ОбработкаСтроки(int НомерСтроки) {
    ИсполнитьКомманду(LineTable()[std::size_t(НомерСтроки)]);
}

// line -> command { " & " command }
void Story::ИсполнитьКомманду(std::u16string_view Комманда) {
    RunCommands(Комманда, u'&');
}

// Dispatches every command of the text before looking at the rest of it.
void Story::RunCommands(std::u16string_view text, char16_t separator) {
    ForEachCommand(text, separator, [this](std::u16string_view command) {
        UseCom(LowerCase(ВыделитьКоманду(command)), ВыдПараметры(command));
        return !m_unwinding;
    });
}
