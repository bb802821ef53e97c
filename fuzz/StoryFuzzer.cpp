// Plays arbitrary bytes as a story and the player's lines (StoryInput.h), in the story's code
// page so that one changed byte is one changed letter on either side. Message boxes are answered
// at once.
//
// Besides the world's tables, it checks that a turn (or the opening) never produces more than
// its work budget pays for, so that a story that runs away is stopped before it can flood a
// terminal or fill the memory of a window that keeps the turn's text.

#include "StoryInput.h"
#include "engine/Story.h"
#include "engine/StoryChecker.h"
#include "engine/Windows1251.h"
#include "player/Player.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <utility>

namespace {

// What one turn (or the opening) printed and showed the author, in the units the budget prices
// them in: a character is one, a line break (CR LF) two, a message its title and its text.
struct TurnOutput {
    Work printed = 0;
    Work shown = 0;
    Work messages = 0;
};

// The first line of the box that stops a run for its work.
constexpr std::u16string_view kStopWording = u"Слишком долгий ход без остановки на wait.";

class CountingHost : public Console, public AuthorMessages {
public:
    void AddText(std::u16string_view text) override { m_turn.printed += text.size(); }
    void Enter() override { m_turn.printed += 2; }
    void ClearText() override {}
    void Show(const AuthorMessage &message) override {
        m_turn.shown += message.title.size() + message.text.size();
        ++m_turn.messages;
        if (message.kind == MessageKind::Fault && message.text.starts_with(kStopWording))
            ++m_stoppedRuns;
    }

    TurnOutput TakeTurn() { return std::exchange(m_turn, {}); }
    int StoppedRuns() const { return m_stoppedRuns; }

private:
    TurnOutput m_turn;
    int m_stoppedRuns = 0;
};

// Every character printed and every message shown is paid for before it goes out, except:
// - the echo of the typed line: the turn pays for the line, not for ">" and its two line breaks;
// - once a turn is being stopped, its messages are free: the box that stops it, a second one
//   when the command run just after the stop meets the nesting bound, and one "n0!" trace for
//   each condition that was under way. A stop box holds the parameter of the command it stopped
//   at, which is part of one line of the input, and texts of its own well under 200 characters.
// And the smallest message that can be paid for, the trace of "if then" with nothing in it, is
// ten units: the title "Зуфт Win" and two "$".
constexpr Work kEchoSlack = 5;
constexpr Work kStopBoxTexts = 200;
constexpr Work kStopBoxes = 2;
constexpr Work kTraceBox = 11; // "Зуфт Win" and "n0!"
constexpr Work kShortestPaidBox = 10;

void checkOutput(const TurnOutput &turn, std::size_t inputSize) {
    const Work freeBoxes = kStopBoxes + kMaxNestedRuns;
    const Work freeUnits =
        kStopBoxes * (kStopBoxTexts + inputSize) + Work(kMaxNestedRuns) * kTraceBox;
    if (turn.printed + turn.shown > kMaxTurnWork + kEchoSlack + freeUnits ||
        turn.messages > kMaxTurnWork / kShortestPaidBox + freeBoxes)
        std::abort();
}

// What must hold after every load and every turn, whatever the story did.
void checkInvariants(const Story &story, const Player &player) {
    const World &world = story.world();
    const bool sound = story.Position().cursor >= 0 &&
                       story.Position().cursor <= story.script().LineCount() &&
                       world.RoomCount <= kLastSlot && world.ItemCount <= kLastSlot &&
                       world.VariableCount <= kLastSlot && world.CurrentRoom >= 0 &&
                       world.CurrentRoom <= kLastSlot && world.DefineIndex >= 0 &&
                       world.DefineIndex <= kLastSlot && player.WordCount() <= 255;
    if (!sound)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const StoryInput input = StoryInput::Split({reinterpret_cast<const char *>(data), size});
    const std::string_view typed = input.typed;

    CountingHost host;
    Story story(host, host);
    Player player(story);
    const bool loaded = story.LoadBytes(input.story);
    checkOutput(host.TakeTurn(), size);
    if (!loaded)
        return 0;
    checkInvariants(story, player);
    // The checker reads the same script without playing it: every problem at a line an editor
    // shows (a stray byte's line is counted as UTF-8 counts lines, so it may lie past the lines
    // read), each told in a few hundred characters at most, whatever the line holds.
    for (const StoryProblem &problem : CheckStory(story.script()))
        if (problem.line < 1 || problem.line > kMaxLineCount + 1 || problem.text.size() > 600)
            std::abort();
    if (typed.empty())
        return 0;
    // The turn after a run stopped for its work is played, to see the story go on; after a
    // second, the rest of the input would show nothing new.
    constexpr int kStoppedRunsPlayed = 2;
    for (std::size_t start = 0; host.StoppedRuns() < kStoppedRunsPlayed;) {
        const std::size_t end = typed.find('\n', start);
        player.Turn(DecodeWindows1251(typed.substr(start, end - start)));
        checkOutput(host.TakeTurn(), size);
        checkInvariants(story, player);
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return 0;
}
