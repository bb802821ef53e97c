// Plays arbitrary bytes as a story: everything before the first two NUL bytes is the story
// file, everything after them the player's lines, one per LF, in the story's code page so that
// one changed byte is one changed letter on either side. Message boxes are answered at once.

#include "engine/Story.h"
#include "engine/Windows1251.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

namespace {

class Silent : public Console, public AuthorMessages {
public:
    void AddText(const QString &) override {}
    void Enter() override {}
    void ClearText() override {}
    void Show(const AuthorMessage &) override {}
};

// What must hold after every load and every turn, whatever the story did.
void checkInvariants(const Story &story) {
    const World &world = story.world();
    const bool sound = story.ScriptCursor() >= 0 && story.ScriptCursor() <= story.LineCount() &&
                       world.RoomCount <= kLastSlot && world.ItemCount <= kLastSlot &&
                       world.VariableCount <= kLastSlot && world.CurrentRoom >= 0 &&
                       world.CurrentRoom <= kLastSlot && world.DefineIndex >= 0 &&
                       world.DefineIndex <= kLastSlot && story.WordCount() <= 255;
    if (!sound)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray input =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = input.indexOf(QByteArrayView("\0\0", 2));
    const QByteArray storyBytes = split < 0 ? input : input.left(split);
    const QByteArray typed = split < 0 ? QByteArray() : input.mid(split + 2);

    Silent host;
    Story story(host, host);
    if (!story.LoadBytes(storyBytes))
        return 0;
    checkInvariants(story);
    if (typed.isEmpty())
        return 0;
    for (const QByteArray &line : typed.split('\n')) {
        story.Turn(DecodeWindows1251(line));
        checkInvariants(story);
    }
    return 0;
}
