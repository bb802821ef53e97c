#include "World.h"

namespace {

template <typename Table> int lastNamed(const Table &table, QStringView name, int lastSlot) {
    int found = -1;
    for (int i = 0; i <= lastSlot; ++i)
        if (table[i].Name == name)
            found = i;
    return found;
}

} // namespace

int World::FirstRoomNamed(QStringView name) const {
    for (int i = 0; i <= kLastSlot; ++i)
        if (Rooms[i].Name == name)
            return i;
    return -1;
}

int World::LastRoomNamed(QStringView name, int lastSlot) const {
    return lastNamed(Rooms, name, lastSlot);
}

int World::LastItemNamed(QStringView name) const {
    return lastNamed(Items, name, kLastSlot);
}

int World::LastVariableNamed(QStringView name) const {
    return lastNamed(Variables, name, kLastSlot);
}

bool IsDirectionWord(QStringView name) {
    static const QString directions[] = {
        QStringLiteral("с"),     QStringLiteral("з"),      QStringLiteral("в"),
        QStringLiteral("ю"),     QStringLiteral("вперед"), QStringLiteral("вперёд"),
        QStringLiteral("назад"), QStringLiteral("вверх"),  QStringLiteral("вниз")};
    for (const QString &direction : directions)
        if (name == direction)
            return true;
    return false;
}
