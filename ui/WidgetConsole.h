#pragma once

#include "BoxLines.h"
#include "engine/Console.h"

#include <QString>

class QLineEdit;
class QPlainTextEdit;

// The console as the player sees it: the text of the game window's Output box, and its input
// line. What a story prints is collected and put into the box in one piece when the story stops
// (Flush): a story may print tens of thousands of lines in one turn, and laying the box out
// again for every piece would keep the player waiting. The box then shows exactly the text the
// story printed, each CR LF (or a CR or LF alone) starting a new line.
//
// Where the view stands: printing puts the caret at the start of the text, and so does the end of
// a turn, so that an opening and a turn each show from their first line: a turn longer than the
// console opens where the player starts reading (PgDn reads on), and a turn that fits shows
// whole, its end in view.
class WidgetConsole : public Console {
public:
    WidgetConsole(QPlainTextEdit &output, QLineEdit &input);

    void AddText(std::u16string_view text) override;
    void Enter() override;
    void ClearText() override;
    void ShowEnd() override;
    void RefillInput(std::u16string_view text) override;

    // Puts what was printed since the last flush into the box. Called before every message box,
    // so the player sees what led to it, and whenever the story stops.
    void Flush();

private:
    void appendToBox(const QString &text);
    void placeCaret();
    void keepOnlyTheEnd(qsizetype characters);

    QPlainTextEdit &m_output;
    QLineEdit &m_input;
    QString m_pending;
    bool m_clearBox = false;
    BoxLines m_lines; // the story's line breaks as the box keeps them
    bool m_caretToStart = false;
    // Of a turn that printed more than a console shows (game/ScreenText.h), the box shows the
    // end, under the note that says the start was cut.
    qsizetype m_boxCharacters = 0; // what the box holds since it was last emptied
    bool m_cut = false;            // the start of what is pending was left out
};
