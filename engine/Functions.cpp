#include "Story.h"

#include <utility>

// body -> command { " | " command }: every command of a room or item function, in order, as if
// it stood in the story.
void Story::FuncCom(std::u16string_view body, int line) {
    const int outer = std::exchange(m_commandLine, line);
    RunCommands(body, u'|');
    m_commandLine = outer;
}
