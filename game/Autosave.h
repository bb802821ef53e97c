#pragma once

#include "Game.h"

#include <string>

// The game window keeps every game as it is played, in a file of its own for each story file:
// each turn is added to it as it is played, so that closing the window, a crash or a kill loses
// at most the turn being played, and opening the story again brings the game back.
class Autosave : public GameRecord {
public:
    explicit Autosave(std::string path) : m_path(std::move(path)) {}

    // Where the game of a story file is kept, in `folder`.
    static std::string PathFor(const std::string &folder, const std::string &storyPath);

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
    Resumption Resume(Game &game, const ReplayProgress &progress = {});

    void Added(std::string_view event) override;
    void Replaced(const Game &game) override;

    // Why the game could not be kept, the first time it could not; then empty until the next
    // failure after a success.
    std::u16string TakeError();
    const std::string &Path() const { return m_path; }

private:
    std::u16string setAside(std::u16string_view why);
    void failed(const std::string &error);

    std::string m_path;
    std::u16string m_error;
    bool m_failing = false;
};
