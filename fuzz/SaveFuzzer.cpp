// Reads arbitrary bytes as a saved game, as a damaged, foreign or hostile save file would
// arrive, and restores what it can into a game of a small story. A save is either refused with
// a sentence, leaving the game as it was, or restored; one that is read is written back the
// same, and a restored game stands where its journal says.

#include "engine/Story.h"
#include "game/Game.h"

#include <cstdint>
#include <cstdlib>

namespace {

class Silent : public Console, public AuthorMessages {
public:
    void AddText(std::u16string_view) override {}
    void Enter() override {}
    void ClearText() override {}
    void Show(const AuthorMessage &) override {}
};

// A story whose turns run functions, jumps, conditions and every kind of output.
constexpr std::string_view kStory =
    "room зал\r\n+text Зал.@Дверь.\r\n+func с,setroom кухня\r\n"
    "+func крикнуть,pn Эхо! | set крик=1 | goto rem эхо\r\ndone\r\n"
    "room кухня\r\n+text Кухня.\r\n+func ю,setroom зал\r\n+item ключ\r\ndone\r\n"
    "item ключ\r\n+title ключ\r\n+func_loc взять #,++item ключ | deleteitem кухня,ключ\r\n"
    "done\r\nexitview 1\r\nsetroom зал\r\nwait\r\n"
    "rem эхо:\r\nif крик=1 then pn Снова эхо. * set крик=2 else фу\r\nwait\r\n";

void require(bool holds) {
    if (!holds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    SaveHeader header;
    Journal journal;
    std::u16string error;
    if (!ParseSave(text, header, journal, error)) {
        require(!error.empty());
        return 0;
    }
    require(journal.Position() <= journal.Entries().size());
    SaveHeader again;
    Journal reread;
    require(ParseSave(FormatSave(header, journal), again, reread, error));
    require(reread.Entries() == journal.Entries() && reread.Position() == journal.Position() &&
            again.storyName == header.storyName && again.storyDigest == header.storyDigest);

    Silent host;
    Game game(host, host);
    game.LoadBytes(kStory, header.storyName);
    game.Begin();
    const ReplayResult restored = game.Restore(text);
    require(restored.done || !restored.error.empty());
    const std::size_t expected = restored.done ? journal.Position() : 0;
    require(game.journal().Position() == expected);
    require(game.story().Position().cursor <= game.story().script().LineCount());
    return 0;
}
