#include "Story.h"

Story::Story(Console &console, AuthorMessages &messages)
    : m_console(console), m_messages(messages) {}

// A story's faults are told in one form, so an author learns to read them at a glance:
// what is wrong, the parameter as written, what was expected, and the line of the script.
void Story::ReportBadCommand(const QString &what, QStringView parameter, const QString &required) {
    const QChar cr(u'\r');
    const QString shown =
        parameter.isEmpty() ? QStringLiteral(" отсутствует") : parameter.toString();
    QString text = what + cr + QStringLiteral("Параметр:") + shown + cr;
    if (!required.isEmpty())
        text += QStringLiteral("Требуется: ") + required + cr;
    text += QStringLiteral("Строка:") + QString::number(m_cursor + 1);
    Tell({QStringLiteral("Ошибка!"), text, MessageIcon::Error});
}

// Loading and each turn start the outermost run; a runaway jump chain of an earlier one is over.
void Story::StartOuterRun() {
    StartTurnBudget();
    ОбработкаФайла();
}
