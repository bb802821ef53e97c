#include "CommandSyntax.h"
#include "FunctionSlots.h"

#include <algorithm>

namespace {

// A room's text keeps its line breaks in place: every "@" of the script is one.
std::u16string withLineBreaks(std::u16string_view text) {
    std::u16string broken;
    broken.reserve(text.size());
    for (char16_t c : text) {
        if (c == u'@')
            broken += u"\r\n";
        else
            broken += c;
    }
    return broken;
}

} // namespace

// room name: opens the room of that name (the first one), or creates it
void WorldCommands::Do_NewRoom(std::u16string_view Пар) {
    int slot = m_world.FirstRoomNamed(Пар, m_turnWork);
    if (slot < 0) {
        if (m_world.RoomCount == kLastSlot) {
            m_faults.ReportBadCommand(u"Слишком много комнат.", Пар,
                                      u"не более " + DecimalText(kLastSlot) + u" комнат");
            return;
        }
        slot = ++m_world.RoomCount;
        m_world.Rooms[std::size_t(slot)].Name = Пар;
    }
    m_world.Defining = DefineKind::Room;
    m_world.DefineIndex = slot;
}

// item name: always a new item, even when the name exists
void WorldCommands::Do_NewItem(std::u16string_view Пар) {
    if (m_world.ItemCount == kLastSlot) {
        m_faults.ReportBadCommand(u"Слишком много предметов.", Пар,
                                  u"не более " + DecimalText(kLastSlot) + u" предметов");
        return;
    }
    const int slot = ++m_world.ItemCount;
    m_world.Items[std::size_t(slot)].Name = Пар;
    m_world.Defining = DefineKind::Item;
    m_world.DefineIndex = slot;
}

// +title text
void WorldCommands::Do_PlusTitle(std::u16string_view Пар) {
    const std::size_t slot = std::size_t(m_world.DefineIndex);
    if (m_world.Defining == DefineKind::Room)
        m_world.Rooms[slot].Title = Пар;
    else if (m_world.Defining == DefineKind::Item)
        m_world.Items[slot].Title = Пар;
}

// +text text: in a room every "@" breaks the line; an item keeps its text as written
void WorldCommands::Do_PlusText(std::u16string_view Пар) {
    const std::size_t slot = std::size_t(m_world.DefineIndex);
    if (m_world.Defining == DefineKind::Room)
        m_world.Rooms[slot].Text = withLineBreaks(Пар);
    else if (m_world.Defining == DefineKind::Item)
        m_world.Items[slot].Text = Пар;
}

// +func name,body: the next function slot of the room or item being defined
// A function's kind is left as the slot had it. With nothing being defined, only a missing
// comma is told.
void WorldCommands::Do_PlusFunc(std::u16string_view Пар) {
    constexpr std::u16string_view command = u"+func";
    const std::size_t slot = std::size_t(m_world.DefineIndex);
    if (m_world.Defining == DefineKind::Item)
        AddFunction(m_world.Items[slot], Пар, command);
    else if (m_world.Defining == DefineKind::Room)
        AddFunction(m_world.Rooms[slot], Пар, command);
    else if (Пар.find(u',') == std::u16string_view::npos)
        m_faults.ReportBadCommand(u"Ошибочные параметры к функции +func.", Пар, u"имя,тело");
}

// +item name: the item (the last of that name, or the empty slot 0) lies in the room whose
// index is being defined, whatever is being defined
void WorldCommands::Do_PlusItem(std::u16string_view Пар) {
    const int item = std::max(m_world.LastItemNamed(Пар, m_turnWork), 0);
    m_world.Rooms[std::size_t(m_world.DefineIndex)].ItemHere[std::size_t(item)] = kYes;
}

// deleteitem room,item: the item no longer lies in the room; what the player carries stays
void WorldCommands::Do_DeleteItem(std::u16string_view Пар) {
    std::u16string_view roomName, itemName;
    if (!SplitAtComma(Пар, roomName, itemName)) {
        m_faults.ReportBadCommand(u"Ошибочные параметры к функции DeleteItem.", Пар,
                                  u"комната,предмет");
        return;
    }
    const int room = std::max(m_world.LastRoomNamed(roomName, m_turnWork), 0);
    const int item = std::max(m_world.LastItemNamed(itemName, m_turnWork), 0);
    m_world.Rooms[std::size_t(room)].ItemHere[std::size_t(item)] = kNo;
}

// changeroom name: moves the player silently; an unknown name leaves the player where they are
void WorldCommands::Do_ChRoom(std::u16string_view Пар) {
    const int room = m_world.LastRoomNamed(Пар, m_turnWork, m_world.RoomCount);
    if (room >= 0)
        m_world.CurrentRoom = room;
}
