#pragma once

#include "Console.h"
#include "world/World.h"

#include <string_view>

// What the player's words may do with the running story, and no more: read the world, print
// (each character paid from the turn's work), describe the room, run the body of a room's or an
// item's function, and pay for what they compare. The console is the story's own, for what a
// turn shows without paying: the erase, the echo, the end brought into view.
class StoryPort {
public:
    virtual const World &world() const = 0;
    virtual Console &console() = 0;

    // A turn begins: the runaway of an earlier one is over and its work budget is full again.
    virtual void StartTurn() = 0;
    // False once the turn has done too much, or the player asked to stop it; it is being stopped.
    virtual bool Spend(Work work) = 0;
    // What the turn has cost so far; a lookup adds what it compares.
    virtual Work &TurnWork() = 0;
    virtual bool TurnStopped() const = 0;

    virtual void Print(std::u16string_view text) = 0;
    virtual void PrintEnter() = 0;
    void PrintLine(std::u16string_view text) {
        Print(text);
        PrintEnter();
    }
    // The room's text, what lies in it and, when the story asked for them, its exits.
    virtual void DescribeRoom() = 0;
    // Runs a function's body; `line`: where it is written.
    virtual void RunBody(std::u16string_view body, int line) = 0;

protected:
    ~StoryPort() = default;
};
