#pragma once

#include "engine/AuthorMessages.h"
#include "engine/Console.h"
#include "game/Game.h"

#include <emscripten/val.h>

#include <string>
#include <vector>

// The game as the page's worker plays it. The game keeps what the console shows, and the
// story's messages to the author and the events the page keeps wait here in order; after each
// action of the player the page takes them and draws once, however much the story printed.
class WebGame : public Console, public AuthorMessages, public GameRecord {
public:
    WebGame();

    // The story in a file the player chose: its bytes and the file's name. False when it is no
    // story; the waiting messages say why.
    bool Open(const std::string &bytes, const std::u16string &name);
    void Begin();
    // One typed line: {played, stopped}. `told` hears how many times the turn has checked
    // whether to go on; when `stopAt` is not 0 the turn stops at that check, as its work budget
    // stops a turn. The page stops a turn by ending its worker and playing it again in a fresh
    // one up to the check it had reached, which ends it where the player stopped it.
    emscripten::val Turn(const std::u16string &line, double stopAt, emscripten::val told);
    // Why nothing was undone or redone, or empty.
    std::u16string Undo();
    std::u16string Redo();
    void Restart();
    bool CanUndo() const { return m_game.CanUndo(); }
    bool CanRedo() const { return m_game.CanRedo(); }

    // The save file's text, and a save brought back: {done, note}, where the note is why it was
    // refused, or what the player should know about the game brought back. `progress` hears
    // (done, total) now and then while the turns are played again.
    std::string SaveText() const { return m_game.SaveText(); }
    std::string SaveHeaderText() const { return FormatSaveHeader(m_game.Header()); }
    emscripten::val Restore(const std::string &save, emscripten::val progress);
    std::u16string StoryName() const { return m_game.Header().storyName; }
    // The story's name and the digest of its bytes: another story of the same name is another
    // game.
    std::u16string GameKey() const;
    // The lines typed since last asked: {anew, lines}; anew: the page's lines are replaced by
    // these, not added to (after a restore, or a turn that dropped undone turns).
    emscripten::val TypedLines();
    // The whole game so far as «История игры» shows it, an empty line between exchanges.
    std::u16string HistoryText() const;
    // What a screen reader is to say of the last turn: its answer, without the echo of the typed
    // line, cut to its start when long.
    std::u16string TurnAnswer() const;

    // What the console holds now, a line break as "\n"; the text the story put into the input
    // line, if it did since last asked.
    std::u16string Screen() const;
    emscripten::val TakeInput();
    // The messages to the author since last asked, oldest first: {title, text, icon, line}.
    emscripten::val TakeMessages();
    // What to add to the kept game since last asked: {replaced, events}; replaced: the game is
    // to be kept anew from its save text.
    emscripten::val TakeRecord();

    // The game keeps what the console shows; the page asks for it once an action is done.
    void AddText(std::u16string_view) override {}
    void Enter() override {}
    void ClearText() override {}
    void RefillInput(std::u16string_view text) override;
    void Show(const AuthorMessage &message) override;
    void Added(std::string_view event) override { m_events.emplace_back(event); }
    void Replaced(const Game &) override { m_replaced = true; }

private:
    std::u16string m_input;
    bool m_refilled = false;
    TypedLines::Seen m_typedSeen;
    std::vector<AuthorMessage> m_messages;
    std::vector<std::string> m_events;
    bool m_replaced = false;
    // The turn being played: the checks it has made, the one it stops at, who hears of them.
    double m_checks = 0;
    double m_stopAt = 0;
    emscripten::val m_told = emscripten::val::undefined();
    Game m_game; // last: it prints into the members above as it is made
};
