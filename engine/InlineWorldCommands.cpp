#include "Story.h"
#include "world/FunctionSlots.h"

// ++item name: the player now carries every item of that name
void Story::CarryCom(QStringView Пар) {
    for (int i = 0; i <= kLastSlot; ++i)
        if (m_world.Items[i].Name == Пар)
            m_world.Carried[i] = kYes;
}

// --item name: the player no longer carries any item of that name
void Story::UncarryCom(QStringView Пар) {
    for (int i = 0; i <= kLastSlot; ++i)
        if (m_world.Items[i].Name == Пар)
            m_world.Carried[i] = kNo;
}

// +downtext text: the item's line in a room description. It goes to the item whose index is
// being defined, whatever is being defined.
void Story::PlusDownTextCom(QStringView Пар) {
    m_world.Items[m_world.DefineIndex].DownText = Пар.toString();
}

// +func_inv name,body: usable only while the player carries the item
void Story::PlusFuncInvCom(QStringView Пар) {
    AddItemFunction(Пар, FunctionKind::Carried, QStringLiteral("+func_inv"));
}

// +func_loc name,body: usable only while the item lies in the player's room
void Story::PlusFuncLocCom(QStringView Пар) {
    AddItemFunction(Пар, FunctionKind::InRoom, QStringLiteral("+func_loc"));
}

// The item whose index is being defined gets the function, whatever is being defined.
void Story::AddItemFunction(QStringView Пар, FunctionKind kind, const QString &command) {
    Item &item = m_world.Items[m_world.DefineIndex];
    const int slot = AddFunction(item, Пар, command);
    if (slot >= 0)
        item.FuncKind[slot] = kind;
}

// -func name: while a room is defined, every room function of that name is renamed "###~" so
// that it no longer answers to it; while an item is defined, the names after it in every item
// move one slot down over it, leaving the bodies where they are.
void Story::MinusFuncCom(QStringView Пар) {
    if (m_world.Defining == DefineKind::Room) {
        for (Room &room : m_world.Rooms)
            for (QString &name : room.FuncName)
                if (name == Пар)
                    name = QStringLiteral("###~");
    } else if (m_world.Defining == DefineKind::Item) {
        for (Item &item : m_world.Items) {
            bool removed = false;
            for (int slot = 0; slot <= kLastFunctionSlot; ++slot) {
                if (item.FuncName[slot] == Пар)
                    removed = true;
                else if (removed)
                    item.FuncName[slot - 1] = item.FuncName[slot];
            }
        }
    }
}

// exitview 1|0: whether room descriptions end with the exits line
void Story::ExitViewCom(QStringView Пар) {
    if (Пар == u"1" || Пар == u"0") {
        m_world.ExitView = Пар.toInt();
        return;
    }
    ReportBadCommand(QStringLiteral("Ошибочные параметры к функции ExitView."), Пар,
                     QStringLiteral("1 или 0"));
}

// setlooktext word: the player's word for looking
void Story::SetLookTextCom(QStringView Пар) {
    m_world.LookWord = Пар.toString();
}

// done: closes the definition; what follows writes into the empty slot 0
void Story::DoneCom(QStringView) {
    m_world.Defining = DefineKind::Nothing;
    m_world.DefineIndex = 0;
}
