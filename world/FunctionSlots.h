#pragma once

#include "engine/Story.h"

// name "," body: the next function slot of a room or an item. Split at the first comma, nothing
// trimmed; a missing comma or a full record is told to the author. The slot, or -1.
template <typename Record>
int Story::AddFunction(Record &record, QStringView Пар, const QString &command) {
    const qsizetype comma = Пар.indexOf(u',');
    if (comma < 0) {
        ReportBadCommand(QStringLiteral("Ошибочные параметры к функции %1.").arg(command), Пар,
                         QStringLiteral("имя,тело"));
        return -1;
    }
    if (record.FuncCount == kLastFunctionSlot) {
        ReportBadCommand(QStringLiteral("Слишком много функций."), Пар,
                         QStringLiteral("не более %1 функций").arg(kLastFunctionSlot));
        return -1;
    }
    const int slot = ++record.FuncCount;
    record.FuncName[slot] = Пар.left(comma).toString();
    record.FuncBody[slot] = Пар.sliced(comma + 1).toString();
    return slot;
}
