#pragma once

#include "CommandSyntax.h"
#include "Text.h"
#include "WorldCommands.h"

// name "," body: the next function slot of a room or an item. Split at the first comma, nothing
// trimmed; a missing comma or a full record is told to the author. The slot, or -1.
template <typename Record>
int WorldCommands::AddFunction(Record &record, std::u16string_view Пар,
                               std::u16string_view command) {
    std::u16string_view name, body;
    if (!SplitAtComma(Пар, name, body)) {
        m_faults.ReportBadCommand(
            u"Ошибочные параметры к функции " + std::u16string(command) + u".", Пар, u"имя,тело");
        return -1;
    }
    if (record.FuncCount == kLastFunctionSlot) {
        m_faults.ReportBadCommand(u"Слишком много функций.", Пар,
                                  u"не более " + DecimalText(kLastFunctionSlot) + u" функций");
        return -1;
    }
    const std::size_t slot = std::size_t(++record.FuncCount);
    record.FuncName[slot] = name;
    record.FuncBody[slot] = body;
    record.FuncLine[slot] = m_commandLine;
    return int(slot);
}
