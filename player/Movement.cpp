#include "engine/Story.h"

// A direction word runs the room's exit of that name (the highest slot, when there are several).
// The exit's own commands move the player, or not; an exit with an empty body is no exit.
void Story::ПопробоватьИдти(const QString &Направление) {
    const Room &room = m_world.Current();
    QString body;
    for (int slot = 0; slot <= kLastFunctionSlot; ++slot)
        if (room.FuncName[slot] == Направление)
            body = room.FuncBody[slot];
    if (body.isEmpty())
        PrintLine(QStringLiteral("В этом направлении пути нет!"));
    else
        FuncCom(body);
}
