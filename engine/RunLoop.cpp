#include "DepthGuard.h"
#include "Story.h"

#include <algorithm>

// Executes lines from the cursor until a line that is exactly "wait", or the end of the story.
// A jump on a line starts a run inside this one; when it stops, this run goes on after the line
// where it stopped, since both share the one cursor.
void Story::ОбработкаФайла() {
    if (m_runDepth >= kMaxNestedRuns) {
        StopTurn(QStringLiteral("Слишком много переходов подряд без остановки на wait."),
                 m_lines[m_cursor],
                 QStringLiteral("не более %1 вложенных переходов").arg(kMaxNestedRuns));
        return;
    }
    DepthGuard nested(m_runDepth);
    while (m_cursor < m_lineCount) {
        if (m_lines[m_cursor] == u"wait")
            return;
        ОбработкаСтроки(m_cursor);
        // An inner run that reached the end of the story has ended it for every run.
        if (m_unwinding || m_cursor >= m_lineCount)
            return;
        ++m_cursor;
    }
}

void Story::ОбработкаСтроки(int НомерСтроки) {
    ИсполнитьКомманду(m_lines[НомерСтроки]);
}

// line -> command { " & " command }
void Story::ИсполнитьКомманду(QStringView Комманда) {
    RunCommands(Комманда, u'&');
}

// Cuts a text at each separator, dropping the one character on either side of it unseen (they
// are meant to be spaces), and dispatches every command before looking at the rest. A separator
// in the first position leaves an empty command.
void Story::RunCommands(QStringView text, QChar separator) {
    QStringView rest = text;
    for (;;) {
        const qsizetype p = rest.indexOf(separator);
        const bool last = p < 0;
        const QStringView command = last ? rest : rest.left(std::max<qsizetype>(p - 1, 0));
        if (!last)
            rest = rest.mid(p + 2);
        UseCom(ВыделитьКоманду(command).toString().toLower(), ВыдПараметры(command));
        if (last || m_unwinding)
            return;
    }
}

// command -> word [" " parameters]
QStringView Story::ВыделитьКоманду(QStringView строчка) {
    const qsizetype space = строчка.indexOf(u' ');
    return space < 0 ? строчка : строчка.left(space);
}

QStringView Story::ВыдПараметры(QStringView Комманда1) {
    const qsizetype space = Комманда1.indexOf(u' ');
    return space < 0 ? QString() : Комманда1.mid(space + 1);
}
