#include "engine/Story.h"

// With an empty word, describes the player's room; with a word, shows the items of that title
// lying in it.
void Story::LookCom(const QString &word) {
    if (word.isEmpty())
        DescribeRoom();
    else
        LookAtItem(word);
}

// The room's text, one line per item lying in it (in the order the items were created), and,
// when the story asked for it, the exits line after an empty line.
void Story::DescribeRoom() {
    const Room &room = m_world.Current();
    PrintLine(room.Text);
    for (int i = 0; i <= kLastSlot; ++i) {
        if (room.ItemHere[i] == kYes) {
            PrintLine(m_world.Items[i].DownText);
        }
    }
    if (m_world.ExitView == 1) {
        m_console.Enter();
        PrintExits(room);
    }
}

// "Выходы: " and the room's direction functions in slot order, or "нет"
void Story::PrintExits(const Room &room) {
    m_console.AddText(QStringLiteral("Выходы: "));
    bool any = false;
    for (const QString &name : room.FuncName) {
        if (!IsDirectionWord(name))
            continue;
        if (any)
            m_console.AddText(QStringLiteral(","));
        m_console.AddText(name);
        any = true;
    }
    if (!any)
        m_console.AddText(QStringLiteral("нет"));
    m_console.Enter();
}

// Looking goes by title, and only at what lies in the room: a carried item is not at hand.
void Story::LookAtItem(const QString &word) {
    bool shown = false;
    for (int i = 0; i <= kLastSlot; ++i) {
        if (m_world.Items[i].Title == word && m_world.LiesHere(i)) {
            PrintLine(m_world.Items[i].Text);
            shown = true;
        }
    }
    if (!shown) {
        PrintLine(QStringLiteral("Я не помню такого предмета."));
    }
}
