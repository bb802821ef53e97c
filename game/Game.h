#pragma once

#include "ExchangeHistory.h"
#include "Journal.h"
#include "Relay.h"
#include "ReplayPoints.h"
#include "SaveFile.h"
#include "TypedLines.h"
#include "engine/Script.h"
#include "world/World.h"

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

class Game;
class Story;

// Keeps a game as it is played, for instance in a file that survives a crash.
class GameRecord {
public:
    virtual ~GameRecord() = default;
    // One more event, in the form of a save's line.
    virtual void Added(std::string_view event) = 0;
    // The whole game changed (a new game, a restore, a reload): keep it anew.
    virtual void Replaced(const Game &game) = 0;
};

// Called while turns are played again: how many of how many are done. False cancels.
using ReplayProgress = std::function<bool(std::size_t done, std::size_t total)>;

// What came of playing a game's turns again.
struct ReplayResult {
    bool done = false;
    bool cancelled = false;
    std::u16string error;      // why nothing changed, when not done and not cancelled
    bool storyChanged = false; // the story's file is not the one the game was played with
    int firstDifference = 0;   // the first turn whose answer differs from the recorded one, or 0
};

// What one typed line came to, so that a host acts on it without looking into the game.
struct TurnOutcome {
    bool played = false;     // false: a blank line; the press did nothing and nothing is kept
    bool stopped = false;    // the turn ran away and was stopped, or the player stopped it
    bool newConsole = false; // the story cleared the console during the turn
    int messages = 0;        // messages to the author the turn sent
};

// Where a story stands, for its author's eyes: its world and the lines of its script that
// matter. Valid until the game plays on.
struct StorySnapshot {
    const World &world;
    const std::vector<std::u16string> &lines; // the script's lines, and an empty one after them
    int scriptLine;   // the line the run loop stands on, at most the empty one
    int waitingPoint; // the "wait" line where the last run stopped; -1: none yet
    int messageLine;  // where the command of the last message to the author is written, from 1;
                      // 0: none yet
};

// A sentence for the player about a replay that was done: that the story changed, and from
// which turn its answers differ. Empty when there is nothing to say.
std::u16string DescribeReplay(const ReplayResult &result);

// A game being played: one story, and everything the player did in it. The story engine plays
// the same lines the same way every time, so the journal rebuilds the game exactly, however deep
// its runs stood when it waited: restoring, undoing and reloading play the lines again, showing
// nothing, and then show the console as the last turn left it.
class Game {
public:
    Game(Console &console, AuthorMessages &messages);
    ~Game();

    // Reads a story file (or a story's bytes); false, with the author told why, when there is
    // no story. Nothing runs until Begin or Restore.
    bool Load(const std::string &path, StoryEncoding encoding = StoryEncoding::Detect);
    bool LoadBytes(std::string_view bytes, std::u16string_view name,
                   StoryEncoding encoding = StoryEncoding::Detect);
    // Runs the story's opening, as a new game.
    void Begin();

    // One turn. A blank line does nothing and is not kept.
    TurnOutcome Turn(std::u16string_view line);
    bool CanUndo() const { return m_journal.CanUndo(); }
    bool CanRedo() const { return m_journal.CanRedo(); }
    ReplayResult Undo(const ReplayProgress &progress = {});
    ReplayResult Redo();
    // Starts the story again from its opening; an undo takes the restart back.
    void Restart();

    std::string SaveText() const;
    // Restores a saved game. A save of another story (another name and other contents) is
    // refused; a save of an earlier version of this story plays its lines into this one.
    ReplayResult Restore(std::string_view saveText, const ReplayProgress &progress = {});
    // Reads the story file again and plays the game's turns into it, stopping after the first
    // turn whose answer changed; the turns after it can be played again with Redo.
    ReplayResult Reload(const ReplayProgress &progress = {});

    void SetRecord(GameRecord *record) { m_record = record; }
    // Asked during every turn the player plays: false stops the turn as its work budget would,
    // for a player who will not wait for it to end.
    void SetInterruption(std::function<bool()> keepGoing) { m_keepGoing = std::move(keepGoing); }

    const Story &story() const { return *m_story; }
    StorySnapshot Snapshot() const;
    // What the console shows now, each line break as "\n", under the note that its start was
    // left out when the turn printed more than any host shows.
    std::u16string ScreenText() const;
    // What the console shows of the last turn's answer, without the echo of its typed line: what
    // a screen reader reads out, and a notice of the turn.
    std::u16string_view TurnAnswer() const { return m_relay.Answer(); }
    const Journal &journal() const { return m_journal; }
    // The lines the player typed in this game, oldest first, for the input line's history.
    const TypedLines &Typed() const { return m_typed; }
    // What the console showed after the opening and after each entry in effect: the whole game
    // so far, exchange by exchange, its oldest exchanges forgotten when it grows too long.
    // Only a front end that shows the history asks to keep it; the exchanges are empty otherwise.
    const std::vector<std::u16string> &History() const { return m_history.Exchanges(); }
    void KeepHistory(bool keep) { m_keepHistory = keep; }
    // How many exchanges at the start of the history were forgotten.
    std::size_t ForgottenExchanges() const { return m_history.Forgotten(); }
    SaveHeader Header() const;
    const std::string &Path() const { return m_path; }

private:
    struct Replayed;
    std::unique_ptr<Replayed> replay(const Journal &journal, std::size_t position,
                                     const ReplayPoints::Point *from, bool stopAtDifference,
                                     const ReplayProgress &progress);
    void adopt(Replayed &replayed);
    void startStory();
    void remember();
    void played(bool stopped);
    std::size_t exactUpTo() const;
    std::u16string exchange() const;
    void record(std::string_view event);
    void keep(JournalEntry entry);

    Relay m_relay;
    std::shared_ptr<const Script> m_script;
    std::string m_path;
    std::u16string m_name;
    StoryEncoding m_encoding = StoryEncoding::Detect;
    std::unique_ptr<Story> m_story;
    bool m_storyStarted = false;
    Journal m_journal;
    TypedLines m_typed;
    ExchangeHistory m_history;
    ReplayPoints m_points;
    // The entries whose turn was stopped as it was played: by its work budget, or by a player
    // who would not wait. Playing it again may end elsewhere, so the game after it is copied
    // for a replay only once it has been played again.
    std::set<std::size_t> m_stopped;
    bool m_keepHistory = false;
    GameRecord *m_record = nullptr;
    std::function<bool()> m_keepGoing;
};
