#pragma once

#include "Story.h"
#include "Text.h"

// name "," body: the next function slot of a room or an item. Split at the first comma, nothing
// trimmed; a missing comma or a full record is told to the author. The slot, or -1.
template <typename Record>
int Story::AddFunction(Record &record, std::u16string_view Пар, std::u16string_view command) {
    const std::size_t comma = Пар.find(u',');
    if (comma == std::u16string_view::npos) {
        ReportBadCommand(u"Ошибочные параметры к функции " + std::u16string(command) + u".", Пар,
                         u"имя,тело");
        return -1;
    }
    if (record.FuncCount == kLastFunctionSlot) {
        ReportBadCommand(u"Слишком много функций.", Пар,
                         u"не более " + DecimalText(kLastFunctionSlot) + u" функций");
        return -1;
    }
    const std::size_t slot = std::size_t(++record.FuncCount);
    record.FuncName[slot] = Пар.substr(0, comma);
    record.FuncBody[slot] = Пар.substr(comma + 1);
    return int(slot);
}
