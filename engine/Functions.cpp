#include "Story.h"

// body -> command { " | " command }: every command of a room or item function, in order, as if
// it stood in the story.
void Story::FuncCom(std::u16string_view body) {
    RunCommands(body, u'|');
}
