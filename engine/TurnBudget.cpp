#include "Story.h"

// A jump back over a waiting point, from a line after it, runs the same lines again and again
// without nesting any deeper, and no run ever stops. So every command a turn runs is paid for,
// and a turn that has done far more than any story needs is stopped like a runaway jump chain.

void Story::StartTurnBudget() {
    m_unwinding = false;
    m_turnWork = 0;
}

bool Story::SpendWork(QStringView Пар) {
    m_turnWork += kCommandWork + Пар.size();
    if (m_turnWork <= kMaxTurnWork)
        return true;
    ReportBadCommand(QStringLiteral("Слишком долгий ход без остановки на wait."), Пар,
                     QStringLiteral("остановка на wait"));
    m_unwinding = true;
    return false;
}
