#include "Story.h"

// A jump back over a waiting point, from a line after it, runs the same lines again and again
// without nesting any deeper, and no run ever stops. So everything a turn does is paid for: each
// command, and each character it reads, prints, shows the author or compares in a lookup. A turn
// that has done far more than any story needs is stopped, and whatever it did costs the player
// no more than a moment, and no more memory than that moment could fill.

bool Story::Spend(Work work) {
    m_budget.spent += work;
    if (m_budget.spent >= m_budget.nextCheck) {
        m_budget.nextCheck = m_budget.spent + kWorkBetweenChecks;
        if (m_keepGoing && !m_keepGoing())
            m_budget.limit = 0;
    }
    if (m_budget.spent <= m_budget.limit)
        return true;
    if (!m_budget.unwinding)
        StopTurn(u"Слишком долгий ход без остановки на wait.", m_parameter, u"остановка на wait");
    return false;
}

// Every run of the turn ends, and the author learns why; that box is shown whatever else the
// turn has shown.
void Story::StopTurn(std::u16string_view what, std::u16string_view parameter,
                     std::u16string_view required) {
    m_budget.unwinding = true;
    AuthorMessage message = BadCommandMessage(what, parameter, required);
    message.stopsTurn = true;
    Tell(std::move(message));
}

// Once a turn is being stopped its messages cost nothing more: only the boxes of the runs that
// were already under way are left to show, one a level at most.
void Story::Tell(AuthorMessage message) {
    if (!m_budget.unwinding && !Spend(message.title.size() + message.text.size()))
        return;
    m_run.lastMessageLine = message.line;
    m_messages.Show(message);
}

void Story::Print(std::u16string_view text) {
    if (Spend(text.size()))
        m_console.AddText(text);
}

void Story::PrintEnter() {
    if (Spend(2))
        m_console.Enter();
}
