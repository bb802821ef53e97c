#include "World.h"

namespace {

template <typename Table>
int lastNamed(const Table &table, std::u16string_view name, int lastSlot, Work &work) {
    int found = -1;
    for (int i = 0; i <= lastSlot; ++i)
        if (SameName(table[i].Name, name, work))
            found = i;
    return found;
}

} // namespace

bool SameName(std::u16string_view a, std::u16string_view b, Work &work) {
    if (a.size() != b.size())
        return false;
    work += a.size();
    return a == b;
}

int World::FirstRoomNamed(std::u16string_view name, Work &work) const {
    for (int i = 0; i <= kLastSlot; ++i)
        if (SameName(Rooms[i].Name, name, work))
            return i;
    return -1;
}

int World::LastRoomNamed(std::u16string_view name, Work &work, int lastSlot) const {
    return lastNamed(Rooms, name, lastSlot, work);
}

int World::LastItemNamed(std::u16string_view name, Work &work) const {
    return lastNamed(Items, name, kLastSlot, work);
}

int World::LastVariableNamed(std::u16string_view name, Work &work) const {
    return lastNamed(Variables, name, kLastSlot, work);
}

bool IsDirectionWord(std::u16string_view name) {
    static constexpr std::u16string_view directions[] = {
        u"с", u"з", u"в", u"ю", u"вперед", u"вперёд", u"назад", u"вверх", u"вниз"};
    for (std::u16string_view direction : directions)
        if (name == direction)
            return true;
    return false;
}
