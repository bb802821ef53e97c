#pragma once

#include "MessageGate.h"
#include "engine/AuthorMessages.h"
#include "engine/Console.h"

#include <cstdint>
#include <string>

// Stands between a game's story and the player's console. While the player plays it passes
// everything on; while turns are played again it shows nothing. Either way it keeps what the
// console and the input line hold, as the game window shows them (each turn erases the
// console), and takes the digest of each answer: what a turn printed and told the author.
class Relay : public Console, public AuthorMessages {
public:
    Relay(Console &console, AuthorMessages &messages) : m_console(console), m_messages(messages) {}

    // What the console and the input line hold, and where the last answer stands in them: all
    // that playing a game on from some turn needs of the screen as that turn left it.
    struct Shown {
        std::u16string screen;
        bool cut = false;
        std::size_t answerStart = 0; // where the answer starts in `screen`
        bool afterEcho = false;      // nothing was added since the echo
        std::u16string input;
        std::u16string echo;      // of this turn's typed line
        bool echoCleared = false; // the story cleared the screen after the echo
    };

    void SetMuted(bool muted) { m_muted = muted; }
    // A new story starts: the console it will print to holds nothing of the last one.
    void Forget() {
        m_shown = Shown();
        m_messages.StartTurn();
    }
    const Shown &Kept() const { return m_shown; }
    // The screen as a turn played earlier left it, to play on from there.
    void Resume(const Shown &shown) { m_shown = shown; }
    // Shows what the console and the input line hold, as the last turn played muted left them,
    // and passes everything on from then on. `atEnd`: the console shows its end, as after a
    // turn, rather than its start, as after the opening.
    void Reveal(bool atEnd);

    // A turn starts: its answer's digest, its messages and whether it cleared the console are
    // counted from here.
    void StartAnswer();
    // The turn, or the opening, is over: the author learns how many of its messages were held
    // back.
    void EndAnswer() { m_messages.EndTurn(); }
    std::uint32_t AnswerDigest() const;
    bool Cleared() const { return m_cleared; }
    int Messages() const { return m_messageCount; }
    // What the console shows now. Of a turn that printed more than anyone reads, only the end
    // is kept (at least kMostShown characters), and Cut() tells that its start was dropped.
    const std::u16string &Screen() const { return m_shown.screen; }
    // What the game's history keeps of this exchange: the screen, with the typed line first even
    // when the story cleared the screen after echoing it.
    std::u16string Exchange() const;
    bool Cut() const { return m_shown.cut; }
    // What the console shows after the echo of the typed line and the blank line under it.
    std::u16string_view Answer() const {
        return std::u16string_view(m_shown.screen).substr(m_shown.answerStart);
    }

    void AddText(std::u16string_view text) override;
    void Enter() override;
    void ClearText() override;
    void EraseForTurn() override;
    void EchoTyped(std::u16string_view echo) override;
    void ShowEnd() override;
    void RefillInput(std::u16string_view text) override;
    void Show(const AuthorMessage &message) override;

private:
    void digest(std::u16string_view text);
    void keep(std::u16string_view text);

    Console &m_console;
    MessageGate m_messages;
    bool m_muted = false;
    std::uint64_t m_answer = 0;
    bool m_cleared = false;
    int m_messageCount = 0;
    Shown m_shown;
};
