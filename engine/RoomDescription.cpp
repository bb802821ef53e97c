#include "Story.h"

// setroom name: moves the player and describes the room
void Story::Do_SetRoom(std::u16string_view Пар) {
    worldCommands().Do_ChRoom(Пар);
    DescribeRoom();
}

// The room's text, one line per item lying in it (in the order the items were created), and,
// when the story asked for it, the exits line after an empty line.
void Story::DescribeRoom() {
    const Room &room = m_world.Current();
    PrintLine(room.Text);
    for (std::size_t i = 0; i <= kLastSlot; ++i)
        if (room.ItemHere[i] == kYes)
            PrintLine(m_world.Items[i].DownText);
    if (m_world.ExitView == 1) {
        PrintEnter();
        PrintExits(room);
    }
}

// "Выходы: " and the room's direction functions in slot order, or "нет"
void Story::PrintExits(const Room &room) {
    Print(u"Выходы: ");
    bool any = false;
    for (const std::u16string &name : room.FuncName) {
        if (!IsDirectionWord(name))
            continue;
        if (any)
            Print(u",");
        Print(name);
        any = true;
    }
    if (!any)
        Print(u"нет");
    PrintEnter();
}
