#include "NumberReading.h"
#include "Story.h"
#include "Text.h"

#include <cmath>

namespace {

enum class Comparison {
    Equal,
    Greater,
    Less,
    Differ
};

struct Operator {
    std::u16string_view text;
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

// The slot of the variable of that name (the last one), created with 0 if there is none yet:
// whatever an earlier write left in the slot, a variable starts at 0. -1 when the table is full;
// the author has been told.
int Story::VariableSlot(std::u16string_view name) {
    const int found = m_world.LastVariableNamed(name, m_turnWork);
    if (found >= 0)
        return found;
    if (m_world.VariableCount == kLastSlot) {
        ReportBadCommand(u"Слишком много переменных.", name,
                         u"не более " + DecimalText(kLastSlot) + u" переменных");
        return -1;
    }
    Variable &created = m_world.Variables[std::size_t(++m_world.VariableCount)];
    created.Name = name;
    created.Value = 0;
    return m_world.VariableCount;
}

// set name=value (the name untrimmed, the value rounded half to even)
void Story::SetCom(std::u16string_view Пар) {
    const std::size_t equals = Пар.find(u'=');
    if (equals == std::u16string_view::npos) {
        ReportBadCommand(u"Ошибочные параметры к функции Set.", Пар, u"имя=значение");
        return;
    }
    const std::u16string_view valueText = Пар.substr(equals + 1);
    const double value = std::nearbyint(ReadNumber(valueText));
    if (!(value >= -32768 && value <= 32767)) {
        ReportBadCommand(u"Значение не помещается в переменную.", valueText,
                         u"целое от -32768 до 32767");
        return;
    }
    const int slot = VariableSlot(Пар.substr(0, equals));
    if (slot >= 0)
        m_world.Variables[std::size_t(slot)].Value = std::int16_t(value);
}

// if condition then commands [else commands]
// The trace box shows how the line was split, before anything is tested.
void Story::ConditionCom(std::u16string_view Пар) {
    std::u16string_view condition, thenPart, elsePart;
    if (!SplitCondition(Пар, condition, thenPart, elsePart))
        return;
    std::u16string trace(condition);
    trace += u'$';
    trace += thenPart;
    trace += u'$';
    trace += elsePart;
    Tell(
        {kApplicationTitle, std::move(trace), MessageIcon::None, MessageKind::Trace, m_cursor + 1});
    switch (TestCondition(condition)) {
    case Outcome::Then:
        IfCom(thenPart);
        break;
    case Outcome::Else:
        IfCom(elsePart);
        break;
    case Outcome::ElseInAnotherRoom:
        IfCom(elsePart);
        Tell({kApplicationTitle, u"n0!", MessageIcon::None, MessageKind::Trace, m_cursor + 1});
        break;
    case Outcome::Nothing:
        break;
    }
}

// "then" and "else" are found as plain letters, also inside other words; each is dropped with
// the one character after it, and the then-part ends one character before its "else".
bool Story::SplitCondition(std::u16string_view Пар, std::u16string_view &condition,
                           std::u16string_view &thenPart, std::u16string_view &elsePart) {
    constexpr std::u16string_view required = u"условие then комманды [else комманды]";
    const std::size_t thenAt = Пар.find(u"then");
    if (thenAt == std::u16string_view::npos) {
        ReportBadCommand(u"Условие без then.", Пар, required);
        return false;
    }
    condition = Пар.substr(0, thenAt);
    thenPart = Пар.substr(std::min(thenAt + 5, Пар.size()));
    elsePart = {};
    const std::size_t elseAt = Пар.find(u"else");
    if (elseAt == std::u16string_view::npos)
        return true;
    const std::size_t cut = thenPart.find(u"else");
    if (cut == std::u16string_view::npos || cut < 1) {
        ReportBadCommand(u"Ошибочное место else в условии.", Пар, required);
        return false;
    }
    thenPart = thenPart.substr(0, cut - 1);
    elsePart = Пар.substr(std::min(elseAt + 5, Пар.size()));
    return true;
}

// condition -> ["#"] ["$"] name operator value
// "#" asks about a carried item, "$" about the player's room, otherwise about a variable.
// Only "=" tells them apart; the other operators compare the variable slot whatever the prefix.
Story::Outcome Story::TestCondition(std::u16string_view condition) {
    const Operator *found = nullptr;
    std::size_t at = std::u16string_view::npos;
    for (const Operator &candidate : kOperators) {
        at = condition.find(candidate.text);
        if (at != std::u16string_view::npos && at >= 1) {
            found = &candidate;
            break;
        }
    }
    if (!found)
        return Outcome::Nothing;
    std::u16string_view left = condition.substr(0, at);
    const std::u16string_view right = condition.substr(at + found->text.size());
    const bool itemCondition = left.starts_with(u'#');
    if (itemCondition)
        left.remove_prefix(1);
    const bool roomCondition = left.starts_with(u'$');
    if (roomCondition)
        left.remove_prefix(1);

    const bool askItem = itemCondition && !roomCondition;
    const int slot = askItem ? m_world.LastItemNamed(left, m_turnWork) : VariableSlot(left);
    if (slot < 0) {
        if (askItem)
            ReportBadCommand(u"В условии назван предмет, которого нет.", left, u"имя предмета");
        return Outcome::Nothing;
    }

    const double number = ReadNumber(right);
    bool holds;
    if (found->comparison != Comparison::Equal)
        holds = compare(m_world.Variables[std::size_t(slot)].Value, found->comparison, number);
    else if (roomCondition)
        return m_world.LastRoomNamed(right, m_turnWork) == m_world.CurrentRoom
                   ? Outcome::Then
                   : Outcome::ElseInAnotherRoom;
    else if (itemCondition)
        holds = m_world.Carried[std::size_t(slot)] == (number > 0 ? kYes : kNo);
    else
        holds = m_world.Variables[std::size_t(slot)].Value == number;
    return holds ? Outcome::Then : Outcome::Else;
}

// commands { " * " command }
void Story::IfCom(std::u16string_view Комманда) {
    if (!Комманда.empty())
        RunCommands(Комманда, u'*');
}
