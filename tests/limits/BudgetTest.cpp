// Turns that never stop and never nest: a jump back over a waiting point runs the same line
// again and again. Whatever the line does (print a room, print empty lines, warn of an unknown
// word, trace a condition), the turn pays for it and is stopped with one box, having printed and
// shown no more than its budget, and the next turn plays as usual.

#include "support/StoryHarness.h"

#include <gtest/gtest.h>

namespace {

// Counts what a story prints and shows, and keeps only the last box.
class Meter : public Console, public AuthorMessages {
public:
    void AddText(std::u16string_view text) override { printed += text.size(); }
    void Enter() override { printed += 2; }
    void ClearText() override {}
    void Show(const AuthorMessage &message) override {
        shown += message.title.size() + message.text.size();
        last = message;
    }
    Work printed = 0, shown = 0;
    AuthorMessage last;
};

} // namespace

TEST(Budget, ARunawayTurnIsStoppedWhateverItDoes) {
    const std::string kibibyte(1024, 'x');
    const std::string lines[] = {"setroom r", "pn", std::string(16 * 1024, 'x'),
                                 "if a=1 then rem " + kibibyte};
    for (const std::string &line : lines) {
        SCOPED_TRACE(line.substr(0, 20));
        Meter meter;
        Story story(meter, meter);
        story.LoadBytes(
            "room r\r\n+text " + kibibyte +
            "\r\n+func беда,goto rem начало\r\n+func смотреть,pn видно\r\nchangeroom r\r\n"
            "wait\r\nrem начало:\r\ngoto rem круг\r\nrem круг:\r\nwait\r\n" +
            line + " & goto rem круг");
        Player player(story);
        player.Turn(u"беда");
        EXPECT_LE(meter.printed + meter.shown, kMaxTurnWork);
        EXPECT_TRUE(meter.last.text.starts_with(u"Слишком долгий ход без остановки на wait."));
        meter = Meter();
        player.Turn(u"смотреть");
        EXPECT_EQ(meter.printed, std::u16string_view(u">смотреть\r\n\r\nвидно\r\n").size());
        EXPECT_EQ(meter.shown, 0u);
    }
}
