#include "CommandSyntax.h"
#include "NumberReading.h"
#include "Story.h"
#include "Text.h"

#include <cmath>

namespace {

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
    case Comparison::None: // a condition without an operator is never tested
        break;
    }
    return false;
}

} // namespace

// The slot of the variable of that name (the last one), created with 0 if there is none yet:
// whatever an earlier write left in the slot, a variable starts at 0. -1 when the table is full;
// the author has been told.
int WorldCommands::VariableSlot(std::u16string_view name) {
    const int found = m_world.LastVariableNamed(name, m_turnWork);
    if (found >= 0)
        return found;
    if (m_world.VariableCount == kLastSlot) {
        m_faults.ReportBadCommand(u"Слишком много переменных.", name,
                                  u"не более " + DecimalText(kLastSlot) + u" переменных");
        return -1;
    }
    Variable &created = m_world.Variables[std::size_t(++m_world.VariableCount)];
    created.Name = name;
    created.Value = 0;
    return m_world.VariableCount;
}

// set name=value (the name untrimmed, the value rounded half to even)
void WorldCommands::SetCom(std::u16string_view Пар) {
    const std::size_t equals = Пар.find(u'=');
    if (equals == std::u16string_view::npos) {
        m_faults.ReportBadCommand(u"Ошибочные параметры к функции Set.", Пар, u"имя=значение");
        return;
    }
    const std::u16string_view valueText = Пар.substr(equals + 1);
    const double value = std::nearbyint(ReadNumber(valueText));
    if (!(value >= -32768 && value <= 32767)) {
        m_faults.ReportBadCommand(u"Значение не помещается в переменную.", valueText,
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
    constexpr std::u16string_view required = u"условие then комманды [else комманды]";
    ConditionParts parts;
    switch (SplitCondition(Пар, parts)) {
    case ConditionSplit::NoThen:
        ReportBadCommand(u"Условие без then.", Пар, required);
        return;
    case ConditionSplit::MisplacedElse:
        ReportBadCommand(u"Ошибочное место else в условии.", Пар, required);
        return;
    case ConditionSplit::Sound:
        break;
    }
    std::u16string trace(parts.condition);
    trace += u'$';
    trace += parts.thenPart;
    trace += u'$';
    trace += parts.elsePart;
    Tell({kApplicationTitle, std::move(trace), MessageIcon::None, MessageKind::Trace,
          CommandLine()});
    using Outcome = WorldCommands::Outcome;
    switch (worldCommands().TestCondition(parts.condition)) {
    case Outcome::Then:
        IfCom(parts.thenPart);
        break;
    case Outcome::Else:
        IfCom(parts.elsePart);
        break;
    case Outcome::ElseInAnotherRoom:
        m_nests.push_back({.kind = Nest::Kind::Trace}); // told once the else part has run
        IfCom(parts.elsePart);
        break;
    case Outcome::Nothing:
        break;
    }
}

// condition -> ["#"] ["$"] name operator value
// "#" asks about a carried item, "$" about the player's room, otherwise about a variable.
// Only "=" tells them apart; the other operators compare the variable slot whatever the prefix.
WorldCommands::Outcome WorldCommands::TestCondition(std::u16string_view condition) {
    const ConditionTerms terms = ReadCondition(condition);
    if (terms.comparison == Comparison::None)
        return Outcome::Nothing;
    const bool askItem = terms.item && !terms.room;
    const int slot =
        askItem ? m_world.LastItemNamed(terms.name, m_turnWork) : VariableSlot(terms.name);
    if (slot < 0) {
        if (askItem)
            m_faults.ReportBadCommand(u"В условии назван предмет, которого нет.", terms.name,
                                      u"имя предмета");
        return Outcome::Nothing;
    }

    const double number = ReadNumber(terms.value);
    const Variable &variable = m_world.Variables[std::size_t(slot)];
    const bool equal = terms.comparison == Comparison::Equal;
    if (equal && terms.room)
        return m_world.LastRoomNamed(terms.value, m_turnWork) == m_world.CurrentRoom
                   ? Outcome::Then
                   : Outcome::ElseInAnotherRoom;
    const bool holds = equal && terms.item
                           ? m_world.Carried[std::size_t(slot)] == (number > 0 ? kYes : kNo)
                           : compare(variable.Value, terms.comparison, number);
    return holds ? Outcome::Then : Outcome::Else;
}

// commands { " * " command }
void Story::IfCom(std::u16string_view Комманда) {
    if (!Комманда.empty())
        RunCommands(Комманда, u'*');
}
