#pragma once

#include "Game.h"
#include "io/FileLock.h"

#include <string>

// The game window keeps every game as it is played, in a file of its own for each story file:
// each turn is added to it as it is played, so that closing the window, a crash or a kill loses
// at most the turn being played, and opening the story again brings the game back. One window at
// a time keeps a story's game: a second window on the same story plays a copy of it, kept in a
// file of its own, or only watches it, keeping nothing.
class Autosave : public GameRecord {
public:
    explicit Autosave(std::string path);

    // Where the game of a story file is kept, in `folder`: a short, readable part of the story's
    // name and a digest of its whole path, so that a path of any length can be kept.
    static std::string PathFor(const std::string &folder, const std::string &storyPath);

    // Takes the kept game for this program alone, until it ends. False when another program
    // holds it: then KeepAsCopy or KeepNothing says how this one plays on.
    bool Claim();
    // The game goes on from the other program's game as it stands, kept in a file of its own.
    void KeepAsCopy();
    // The game goes on from the other program's game as it stands, and nothing of it is kept.
    void KeepNothing();

    enum class Outcome {
        NewGame, // there was no game to bring back: the story starts from its opening
        Resumed, // the game goes on where it stood
        SetAside // the kept game could not be brought back; it was renamed, not deleted
    };
    struct Resumption {
        Outcome outcome = Outcome::NewGame;
        std::u16string note; // what to tell the player, if anything
    };
    // Brings back the game kept for this story, or starts the story afresh, and keeps the game
    // from then on. A kept game that is broken, of another story, or whose replay the player
    // cancelled never stops the story from opening: it is set aside beside the autosave.
    // `howToRestart`: how the player starts afresh where the game is played, for the note.
    Resumption Resume(Game &game, const ReplayProgress &progress = {},
                      std::u16string_view howToRestart = u"«Игра» → «Начать заново»");

    void Added(std::string_view event) override;
    void Replaced(const Game &game) override;

    // What the player should hear about the keeping of the game: that it failed, the first time
    // it did, or that it works again. Empty when there is nothing new to tell.
    struct Notice {
        std::u16string text;
        bool trouble = false;
    };
    Notice TakeNotice();
    // Where the game is kept; empty when it is kept nowhere.
    const std::string &Path() const { return m_path; }

private:
    std::u16string setAside(std::u16string_view why);
    void rewrite(const Game &game);
    void succeeded();
    void failed(const std::string &error);

    std::string m_source; // where the game is brought back from
    std::string m_path;
    FileLock m_lock;
    const Game *m_game = nullptr;
    Notice m_notice;
    bool m_failing = false;
};
