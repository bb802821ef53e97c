#pragma once

#include <string_view>

// Where a running story prints. The game window, the terminal player, the web page and the
// tests each supply their own console; the story never knows which one it talks to. A printed
// line is AddText followed by Enter; text added without Enter continues the current line.
class Console {
public:
    virtual ~Console() = default;

    virtual void AddText(std::u16string_view text) = 0;
    virtual void Enter() = 0; // one line break, CR LF
    virtual void ClearText() = 0;

    // The erase at the start of each turn, so the console shows only this exchange. A scrolling
    // terminal keeps its history instead.
    virtual void EraseForTurn() { ClearText(); }
    // The echo of the player's line (">" and the line). A terminal has shown it as it was typed.
    virtual void EchoTyped(std::u16string_view echo) {
        AddText(echo);
        Enter();
    }
    // Bring the end of the console into view, as each turn ends.
    virtual void ShowEnd() {}
    // Put a text back into the player's input line, caret after it.
    virtual void RefillInput(std::u16string_view text) { (void)text; }
};
