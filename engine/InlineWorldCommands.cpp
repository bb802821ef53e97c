#include "FunctionSlots.h"

// ++item name: the player now carries every item of that name
void WorldCommands::CarryCom(std::u16string_view Пар) {
    for (std::size_t i = 0; i <= kLastSlot; ++i)
        if (SameName(m_world.Items[i].Name, Пар, m_turnWork))
            m_world.Carried[i] = kYes;
}

// --item name: the player no longer carries any item of that name
void WorldCommands::UncarryCom(std::u16string_view Пар) {
    for (std::size_t i = 0; i <= kLastSlot; ++i)
        if (SameName(m_world.Items[i].Name, Пар, m_turnWork))
            m_world.Carried[i] = kNo;
}

// +downtext text: the item's line in a room description. It goes to the item whose index is
// being defined, whatever is being defined.
void WorldCommands::PlusDownTextCom(std::u16string_view Пар) {
    m_world.Items[std::size_t(m_world.DefineIndex)].DownText = Пар;
}

// +func_inv name,body: usable only while the player carries the item
void WorldCommands::PlusFuncInvCom(std::u16string_view Пар) {
    AddItemFunction(Пар, FunctionKind::Carried, u"+func_inv");
}

// +func_loc name,body: usable only while the item lies in the player's room
void WorldCommands::PlusFuncLocCom(std::u16string_view Пар) {
    AddItemFunction(Пар, FunctionKind::InRoom, u"+func_loc");
}

// The item whose index is being defined gets the function, whatever is being defined.
void WorldCommands::AddItemFunction(std::u16string_view Пар, FunctionKind kind,
                                    std::u16string_view command) {
    Item &item = m_world.Items[std::size_t(m_world.DefineIndex)];
    const int slot = AddFunction(item, Пар, command);
    if (slot >= 0)
        item.FuncKind[std::size_t(slot)] = kind;
}

// -func name: while a room is defined, every room function of that name is renamed "###~" so
// that it no longer answers to it; while an item is defined, the names after it in every item
// move one slot down over it, leaving the bodies where they are.
void WorldCommands::MinusFuncCom(std::u16string_view Пар) {
    if (m_world.Defining == DefineKind::Room) {
        for (Room &room : m_world.Rooms)
            for (std::u16string &name : room.FuncName)
                if (SameName(name, Пар, m_turnWork))
                    name = u"###~";
    } else if (m_world.Defining == DefineKind::Item) {
        for (Item &item : m_world.Items) {
            bool removed = false;
            for (std::size_t slot = 0; slot <= kLastFunctionSlot; ++slot) {
                if (SameName(item.FuncName[slot], Пар, m_turnWork))
                    removed = true;
                else if (removed)
                    item.FuncName[slot - 1] = item.FuncName[slot];
            }
        }
    }
}

// exitview 1|0: whether room descriptions end with the exits line
void WorldCommands::ExitViewCom(std::u16string_view Пар) {
    if (Пар == u"1" || Пар == u"0") {
        m_world.ExitView = Пар == u"1" ? 1 : 0;
        return;
    }
    m_faults.ReportBadCommand(u"Ошибочные параметры к функции ExitView.", Пар, u"1 или 0");
}

// setlooktext word: the player's word for looking
void WorldCommands::SetLookTextCom(std::u16string_view Пар) {
    m_world.LookWord = Пар;
}

// done: closes the definition; what follows writes into the empty slot 0
void WorldCommands::DoneCom(std::u16string_view) {
    m_world.Defining = DefineKind::Nothing;
    m_world.DefineIndex = 0;
}
