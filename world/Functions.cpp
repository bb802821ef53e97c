#include "engine/Story.h"

// body -> command { " | " command }: every command of a room or item function, in order, as if
// it stood in the story.
void Story::FuncCom(QStringView body) {
    RunCommands(body, u'|');
}
