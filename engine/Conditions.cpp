#include "NumberReading.h"
#include "Story.h"

#include <cmath>

namespace {

enum class Comparison {
    Equal,
    Greater,
    Less,
    Differ
};

struct Operator {
    QStringView text;
    Comparison comparison;
};

// Tested in this order; an operator counts only with at least one character before it.
constexpr Operator kOperators[] = {{u"<>", Comparison::Differ},
                                   {u"><", Comparison::Differ},
                                   {u"=", Comparison::Equal},
                                   {u">", Comparison::Greater},
                                   {u"<", Comparison::Less}};

bool compare(double value, Comparison comparison, double right) {
    switch (comparison) {
    case Comparison::Equal:
        return value == right;
    case Comparison::Greater:
        return value > right;
    case Comparison::Less:
        return value < right;
    case Comparison::Differ:
        return value != right;
    }
    return false;
}

} // namespace

// The slot of the variable of that name (the last one), created with 0 if there is none yet.
// -1 when the table is full; the author has been told.
int Story::VariableSlot(const QString &name) {
    const int found = m_world.LastVariableNamed(name);
    if (found >= 0)
        return found;
    if (m_world.VariableCount == kLastSlot) {
        ReportBadCommand(QStringLiteral("Слишком много переменных."), name,
                         QStringLiteral("не более %1 переменных").arg(kLastSlot));
        return -1;
    }
    Variable &created = m_world.Variables[++m_world.VariableCount];
    created.Name = name;
    return m_world.VariableCount;
}

// set name=value (the name untrimmed, the value rounded half to even)
void Story::SetCom(QStringView Пар) {
    const qsizetype equals = Пар.indexOf(u'=');
    if (equals < 0) {
        ReportBadCommand(QStringLiteral("Ошибочные параметры к функции Set."), Пар,
                         QStringLiteral("имя=значение"));
        return;
    }
    const QStringView valueText = Пар.sliced(equals + 1);
    const double value = std::nearbyint(ReadNumber(valueText));
    if (!(value >= -32768 && value <= 32767)) {
        ReportBadCommand(QStringLiteral("Значение не помещается в переменную."), valueText,
                         QStringLiteral("целое от -32768 до 32767"));
        return;
    }
    const int slot = VariableSlot(Пар.left(equals).toString());
    if (slot >= 0)
        m_world.Variables[slot].Value = std::int16_t(value);
}

// if condition then commands [else commands]
// The trace box shows how the line was split, before anything is tested.
void Story::ConditionCom(QStringView Пар) {
    QStringView condition, thenPart, elsePart;
    if (!SplitCondition(Пар, condition, thenPart, elsePart))
        return;
    Tell({kApplicationTitle,
          condition.toString() + u'$' + thenPart.toString() + u'$' + elsePart.toString()});
    switch (TestCondition(condition)) {
    case Outcome::Then:
        IfCom(thenPart);
        break;
    case Outcome::Else:
        IfCom(elsePart);
        break;
    case Outcome::ElseInAnotherRoom:
        IfCom(elsePart);
        Tell({kApplicationTitle, QStringLiteral("n0!")});
        break;
    case Outcome::Nothing:
        break;
    }
}

// "then" and "else" are found as plain letters, also inside other words; each is dropped with
// the one character after it, and the then-part ends one character before its "else".
bool Story::SplitCondition(QStringView Пар, QStringView &condition, QStringView &thenPart,
                           QStringView &elsePart) {
    const QString required = QStringLiteral("условие then комманды [else комманды]");
    const qsizetype thenAt = Пар.indexOf(u"then");
    if (thenAt < 0) {
        ReportBadCommand(QStringLiteral("Условие без then."), Пар, required);
        return false;
    }
    condition = Пар.left(thenAt);
    thenPart = Пар.mid(thenAt + 5);
    elsePart = QStringView();
    const qsizetype elseAt = Пар.indexOf(u"else");
    if (elseAt < 0)
        return true;
    const qsizetype cut = thenPart.indexOf(u"else");
    if (cut < 1) {
        ReportBadCommand(QStringLiteral("Ошибочное место else в условии."), Пар, required);
        return false;
    }
    thenPart.truncate(cut - 1);
    elsePart = Пар.mid(elseAt + 5);
    return true;
}

// condition -> ["#"] ["$"] name operator value
// "#" asks about a carried item, "$" about the player's room, otherwise about a variable.
// Only "=" tells them apart; the other operators compare the variable slot whatever the prefix.
Story::Outcome Story::TestCondition(QStringView condition) {
    const Operator *found = nullptr;
    qsizetype at = -1;
    for (const Operator &candidate : kOperators) {
        at = condition.indexOf(candidate.text);
        if (at >= 1) {
            found = &candidate;
            break;
        }
    }
    if (!found)
        return Outcome::Nothing;
    QStringView left = condition.left(at);
    const QStringView right = condition.sliced(at + found->text.size());
    const bool itemCondition = left.startsWith(u'#');
    if (itemCondition)
        left = left.sliced(1);
    const bool roomCondition = left.startsWith(u'$');
    if (roomCondition)
        left = left.sliced(1);

    const bool askItem = itemCondition && !roomCondition;
    const int slot =
        askItem ? m_world.LastItemNamed(left.toString()) : VariableSlot(left.toString());
    if (slot < 0) {
        if (askItem)
            ReportBadCommand(QStringLiteral("В условии назван предмет, которого нет."), left,
                             QStringLiteral("имя предмета"));
        return Outcome::Nothing;
    }

    const double number = ReadNumber(right);
    bool holds;
    if (found->comparison != Comparison::Equal)
        holds = compare(m_world.Variables[slot].Value, found->comparison, number);
    else if (roomCondition)
        return m_world.LastRoomNamed(right.toString()) == m_world.CurrentRoom
                   ? Outcome::Then
                   : Outcome::ElseInAnotherRoom;
    else if (itemCondition)
        holds = m_world.Carried[slot] == (number > 0 ? kYes : kNo);
    else
        holds = m_world.Variables[slot].Value == number;
    return holds ? Outcome::Then : Outcome::Else;
}

// commands { " * " command }
void Story::IfCom(QStringView Комманда) {
    if (!Комманда.isEmpty())
        RunCommands(Комманда, u'*');
}
