#include "DepthGuard.h"
#include "Story.h"
#include "Text.h"

#include <algorithm>

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
    while (m_cursor < LineCount()) {
        if (LineTable()[std::size_t(m_cursor)] == u"wait") {
            m_lastWait = m_cursor;
            return;
        }
        ОбработкаСтроки(m_cursor);
        // An inner run that reached the end of the story has ended it for every run.
        if (m_unwinding || m_cursor >= LineCount())
            return;
        ++m_cursor;
    }
}

void Story::ОбработкаСтроки(int НомерСтроки) {
    ИсполнитьКомманду(LineTable()[std::size_t(НомерСтроки)]);
}

// line -> command { " & " command }
void Story::ИсполнитьКомманду(std::u16string_view Комманда) {
    RunCommands(Комманда, u'&');
}

// Cuts a text at each separator, dropping the one character on either side of it unseen (they
// are meant to be spaces), and dispatches every command before looking at the rest. A separator
// in the first position leaves an empty command.
void Story::RunCommands(std::u16string_view text, char16_t separator) {
    std::u16string_view rest = text;
    for (;;) {
        const std::size_t p = rest.find(separator);
        const bool last = p == std::u16string_view::npos;
        const std::u16string_view command = last ? rest : rest.substr(0, p > 0 ? p - 1 : 0);
        rest = last ? std::u16string_view() : rest.substr(std::min(p + 2, rest.size()));
        UseCom(LowerCase(ВыделитьКоманду(command)), ВыдПараметры(command));
        if (last || m_unwinding)
            return;
    }
}

// command -> word [" " parameters]
std::u16string_view Story::ВыделитьКоманду(std::u16string_view строчка) {
    return строчка.substr(0, строчка.find(u' '));
}

std::u16string_view Story::ВыдПараметры(std::u16string_view Комманда1) {
    const std::size_t space = Комманда1.find(u' ');
    return space == std::u16string_view::npos ? std::u16string_view() : Комманда1.substr(space + 1);
}
