#include "Story.h"

// With an empty word, describes the player's room; with a word, shows the items of that title
// lying in it.
void Story::LookCom(std::u16string_view word) {
    if (word.empty())
        DescribeRoom();
    else
        LookAtItem(word);
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

// Looking goes by title, and only at what lies in the room: a carried item is not at hand.
void Story::LookAtItem(std::u16string_view word) {
    bool shown = false;
    for (std::size_t i = 0; i <= kLastSlot; ++i) {
        if (SameName(m_world.Items[i].Title, word, m_turnWork) && m_world.LiesHere(int(i))) {
            PrintLine(m_world.Items[i].Text);
            shown = true;
        }
    }
    if (!shown)
        PrintLine(u"Я не помню такого предмета.");
}
