#include "FunctionSlots.h"

namespace {

// "name,rest": split at the first comma, nothing trimmed. False when there is no comma.
bool splitAtComma(QStringView text, QStringView &first, QStringView &second) {
    const qsizetype comma = text.indexOf(u',');
    if (comma < 0)
        return false;
    first = text.left(comma);
    second = text.mid(comma + 1);
    return true;
}

} // namespace

// room name: opens the room of that name (the first one), or creates it
void Story::Do_NewRoom(QStringView Пар) {
    int slot = m_world.FirstRoomNamed(Пар);
    if (slot < 0) {
        if (m_world.RoomCount == kLastSlot) {
            ReportBadCommand(QStringLiteral("Слишком много комнат."), Пар,
                             QStringLiteral("не более %1 комнат").arg(kLastSlot));
            return;
        }
        slot = ++m_world.RoomCount;
        m_world.Rooms[slot].Name = Пар.toString();
    }
    m_world.Defining = DefineKind::Room;
    m_world.DefineIndex = slot;
}

// item name: always a new item, even when the name exists
void Story::Do_NewItem(QStringView Пар) {
    if (m_world.ItemCount == kLastSlot) {
        ReportBadCommand(QStringLiteral("Слишком много предметов."), Пар,
                         QStringLiteral("не более %1 предметов").arg(kLastSlot));
        return;
    }
    const int slot = ++m_world.ItemCount;
    m_world.Items[slot].Name = Пар.toString();
    m_world.Defining = DefineKind::Item;
    m_world.DefineIndex = slot;
}

// +title text
void Story::Do_PlusTitle(QStringView Пар) {
    if (m_world.Defining == DefineKind::Room)
        m_world.Rooms[m_world.DefineIndex].Title = Пар.toString();
    else if (m_world.Defining == DefineKind::Item)
        m_world.Items[m_world.DefineIndex].Title = Пар.toString();
}

// +text text: in a room every "@" breaks the line; an item keeps its text as written
void Story::Do_PlusText(QStringView Пар) {
    if (m_world.Defining == DefineKind::Room)
        m_world.Rooms[m_world.DefineIndex].Text =
            Пар.toString().replace(u'@', QStringLiteral("\r\n"));
    else if (m_world.Defining == DefineKind::Item)
        m_world.Items[m_world.DefineIndex].Text = Пар.toString();
}

// +func name,body: the next function slot of the room or item being defined
// A function's kind is left as the slot had it. With nothing being defined, only a missing
// comma is told.
void Story::Do_PlusFunc(QStringView Пар) {
    const QString command = QStringLiteral("+func");
    if (m_world.Defining == DefineKind::Item)
        AddFunction(m_world.Items[m_world.DefineIndex], Пар, command);
    else if (m_world.Defining == DefineKind::Room)
        AddFunction(m_world.Rooms[m_world.DefineIndex], Пар, command);
    else if (!Пар.contains(u','))
        ReportBadCommand(QStringLiteral("Ошибочные параметры к функции +func."), Пар,
                         QStringLiteral("имя,тело"));
}

// +item name: the item (the last of that name, or the empty slot 0) lies in the room whose
// index is being defined, whatever is being defined
void Story::Do_PlusItem(QStringView Пар) {
    const int item = std::max(m_world.LastItemNamed(Пар), 0);
    m_world.Rooms[m_world.DefineIndex].ItemHere[item] = kYes;
}

// deleteitem room,item: the item no longer lies in the room; what the player carries stays
void Story::Do_DeleteItem(QStringView Пар) {
    QStringView roomName, itemName;
    if (!splitAtComma(Пар, roomName, itemName)) {
        ReportBadCommand(QStringLiteral("Ошибочные параметры к функции DeleteItem."), Пар,
                         QStringLiteral("комната,предмет"));
        return;
    }
    const int room = std::max(m_world.LastRoomNamed(roomName), 0);
    const int item = std::max(m_world.LastItemNamed(itemName), 0);
    m_world.Rooms[room].ItemHere[item] = kNo;
}

// changeroom name: moves the player silently; an unknown name leaves the player where they are
void Story::Do_ChRoom(QStringView Пар) {
    const int room = m_world.LastRoomNamed(Пар, m_world.RoomCount);
    if (room >= 0)
        m_world.CurrentRoom = room;
}

// setroom name: moves the player and describes the room
void Story::Do_SetRoom(QStringView Пар) {
    Do_ChRoom(Пар);
    LookCom(QString());
}
