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
void Story::SetCom(const QString &Пар) {
    const qsizetype equals = Пар.indexOf(u'=');
    if (equals < 0) {
        ReportBadCommand(QStringLiteral("Ошибочные параметры к функции Set."), Пар,
                         QStringLiteral("имя=значение"));
        return;
    }
    const QString valueText = Пар.mid(equals + 1);
    const double value = std::nearbyint(ReadNumber(valueText));
    if (!(value >= -32768 && value <= 32767)) {
        ReportBadCommand(QStringLiteral("Значение не помещается в переменную."), valueText,
                         QStringLiteral("целое от -32768 до 32767"));
        return;
    }
    const int slot = VariableSlot(Пар.left(equals));
    if (slot >= 0)
        m_world.Variables[slot].Value = std::int16_t(value);
}

// if condition then commands [else commands]
// condition -> ["#" item | "$" variable] operator number-or-room; branches hold " * " lists.
void Story::ConditionCom(const QString &Пар) {
    const QString required = QStringLiteral("условие then комманды [else комманды]");
    const qsizetype thenAt = Пар.indexOf(u"then");
    if (thenAt < 0) {
        ReportBadCommand(QStringLiteral("Условие без then."), Пар, required);
        return;
    }
    const QString condition = Пар.left(thenAt);
    QString thenPart = Пар.mid(thenAt + 5);
    QString elsePart;
    const qsizetype elseAt = Пар.indexOf(u"else");
    if (elseAt >= 0) {
        const qsizetype cut = thenPart.indexOf(u"else");
        if (cut < 1) {
            ReportBadCommand(QStringLiteral("Ошибочное место else в условии."), Пар, required);
            return;
        }
        elsePart = Пар.mid(elseAt + 5);
        thenPart.truncate(cut - 1);
    }
    m_messages.Show({kApplicationTitle, condition + u'$' + thenPart + u'$' + elsePart});

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
        return;
    QString left = condition.left(at);
    const QString right = condition.mid(at + found->text.size());
    const bool itemCondition = left.startsWith(u'#');
    if (itemCondition)
        left.remove(0, 1);
    const bool roomCondition = left.startsWith(u'$');
    if (roomCondition)
        left.remove(0, 1);

    int slot;
    if (itemCondition && !roomCondition) {
        slot = m_world.LastItemNamed(left);
        if (slot < 0) {
            ReportBadCommand(QStringLiteral("В условии назван предмет, которого нет."), left,
                             QStringLiteral("имя предмета"));
            return;
        }
    } else {
        slot = VariableSlot(left);
        if (slot < 0)
            return;
    }

    const double number = ReadNumber(right);
    bool holds;
    if (found->comparison != Comparison::Equal) {
        holds = compare(m_world.Variables[slot].Value, found->comparison, number);
    } else if (roomCondition) {
        // The player is in the room of that name.
        const int room = m_world.LastRoomNamed(right);
        if (room < 0 || room != m_world.CurrentRoom) {
            IfCom(elsePart);
            m_messages.Show({kApplicationTitle, QStringLiteral("n0!")});
            return;
        }
        holds = true;
    } else if (itemCondition) {
        holds = m_world.Carried[slot] == (number > 0 ? kYes : kNo);
    } else {
        holds = m_world.Variables[slot].Value == number;
    }
    IfCom(holds ? thenPart : elsePart);
}

// commands { " * " command }
void Story::IfCom(const QString &Комманда) {
    if (!Комманда.isEmpty())
        RunCommands(Комманда, u'*');
}
