#include "Player.h"

// A direction word runs the room's exit of that name (the highest slot, when there are several).
// The exit's own commands move the player, or not; an exit with an empty body is no exit.
void Player::ПопробоватьИдти(std::u16string_view Направление) {
    const Room &room = m_story.world().Current();
    std::u16string body;
    int line = 0;
    for (std::size_t slot = 0; slot <= kLastFunctionSlot; ++slot)
        if (SameName(room.FuncName[slot], Направление, m_story.TurnWork())) {
            body = room.FuncBody[slot];
            line = room.FuncLine[slot];
        }
    if (body.empty())
        m_story.PrintLine(u"В этом направлении пути нет!");
    else
        m_story.RunBody(body, line);
}
