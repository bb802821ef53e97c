#include "World.h"

namespace {

template <typename Table> int lastNamed(const Table &table, const QString &name, int lastSlot) {
    int found = -1;
    for (int i = 0; i <= lastSlot; ++i)
        if (table[i].Name == name)
            found = i;
    return found;
}

} // namespace

int World::FirstRoomNamed(const QString &name) const {
    for (int i = 0; i <= kLastSlot; ++i)
        if (Rooms[i].Name == name)
            return i;
    return -1;
}

int World::LastRoomNamed(const QString &name, int lastSlot) const {
    return lastNamed(Rooms, name, lastSlot);
}

int World::LastItemNamed(const QString &name) const {
    return lastNamed(Items, name, kLastSlot);
}

int World::LastVariableNamed(const QString &name) const {
    return lastNamed(Variables, name, kLastSlot);
}

bool IsDirectionWord(const QString &name) {
    static const QString directions[] = {
        QStringLiteral("с"),     QStringLiteral("з"),      QStringLiteral("в"),
        QStringLiteral("ю"),     QStringLiteral("вперед"), QStringLiteral("вперёд"),
        QStringLiteral("назад"), QStringLiteral("вверх"),  QStringLiteral("вниз")};
    for (const QString &direction : directions)
        if (name == direction)
            return true;
    return false;
}
