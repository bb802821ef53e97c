#include "Story.h"

// A jump back over a waiting point, from a line after it, runs the same lines again and again
// without nesting any deeper, and no run ever stops. So every command a turn runs is paid for,
// and a turn that has done far more than any story needs is stopped like a runaway jump chain.

void Story::StartTurnBudget() {
    m_unwinding = false;
    m_turnWork = 0;
    m_turnMessages = 0;
}

bool Story::SpendWork(QStringView Пар) {
    m_turnWork += kCommandWork + Пар.size();
    if (m_turnWork <= kMaxTurnWork)
        return true;
    StopTurn(QStringLiteral("Слишком долгий ход без остановки на wait."), Пар,
             QStringLiteral("остановка на wait"));
    return false;
}

// Every run of the turn ends, and the author learns why; that box is shown whatever else the
// turn has shown.
void Story::StopTurn(const QString &what, QStringView parameter, const QString &required) {
    m_unwinding = true;
    ReportBadCommand(what, parameter, required);
}

// Every box waits for the author's OK, so a story that loops through a faulty line could ask for
// hundreds of thousands of them before its turn is stopped. Past kMaxTurnMessages in one turn
// the author is told once that the rest of the turn's messages are dropped; the story itself
// goes on exactly as before.
void Story::Tell(const AuthorMessage &message) {
    if (m_turnMessages < kMaxTurnMessages || m_unwinding) {
        m_messages.Show(message);
    } else if (m_turnMessages == kMaxTurnMessages) {
        m_messages.Show({QStringLiteral("Ошибка!"),
                         QStringLiteral("Слишком много сообщений за один ход: до конца хода "
                                        "они не показываются.\rСтрока:") +
                             QString::number(m_cursor + 1),
                         MessageIcon::Error});
    }
    ++m_turnMessages;
}
