#pragma once

#include "engine/AuthorMessages.h"
#include "engine/Console.h"
#include "game/Game.h"

#include <emscripten/val.h>

#include <string>
#include <vector>

// The game as the page plays it. The game keeps what the console shows, and the story's messages
// to the author wait here in order; after each action of the
// player the page takes both and draws them once, however much the story printed.
class WebGame : public Console, public AuthorMessages {
public:
    WebGame();

    // The story in a file the player chose: its bytes and the file's name. False when it is no
    // story; the waiting messages say why.
    bool Open(const std::string &bytes, const std::u16string &name);
    void Begin();
    void Turn(const std::u16string &line);
    // Why nothing was undone or redone, or empty.
    std::u16string Undo();
    std::u16string Redo();
    void Restart();
    bool CanUndo() const { return m_game.CanUndo(); }
    bool CanRedo() const { return m_game.CanRedo(); }

    // The save file's text, and a save brought back: {done, note}, where the note is why it was
    // refused, or what the player should know about the game brought back.
    std::string SaveText() const { return m_game.SaveText(); }
    emscripten::val Restore(const std::string &save);
    std::u16string StoryName() const { return m_game.Header().storyName; }
    emscripten::val TypedLines() const;

    // What the console holds now, a line break as "\n"; whether its end, rather than its start,
    // is in view; the text the story put into the input line, if it did since last asked.
    std::u16string Screen() const;
    bool ScreenAtEnd() const { return m_atEnd; }
    emscripten::val TakeInput();
    // The messages to the author since last asked, oldest first: {title, text, icon, line}.
    emscripten::val TakeMessages();

    void AddText(std::u16string_view text) override;
    void Enter() override;
    void ClearText() override;
    void ShowEnd() override { m_atEnd = true; }
    void RefillInput(std::u16string_view text) override;
    void Show(const AuthorMessage &message) override;

private:
    bool m_atEnd = false;
    std::u16string m_input;
    bool m_refilled = false;
    std::vector<AuthorMessage> m_messages;
    Game m_game; // last: it prints into the members above as it is made
};
