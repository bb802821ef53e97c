#pragma once

#include "engine/AuthorMessages.h"
#include "engine/Console.h"

#include <string>
#include <utility>

// The transcript of a game, as zuft-cli writes it when its input is not a terminal: the
// story's text in UTF-8 with every line break as "\n", and each message to the author one
// record "[title] text" with its lines broken by "\n".
void AppendTranscript(std::u16string_view text, std::string &out);
// With `story` named (zuft-cli --where), the record starts with "STORY:LINE: ", the line where
// the command it concerns is written, as compilers and editors know it ("STORY: " for none).
std::u16string MessageRecord(const AuthorMessage &message, std::u16string_view story = {});

// The transcript with the records among the text, as `--messages=stdout` writes it, kept in
// memory: what a walkthrough checks each turn against.
class TranscriptRecorder : public Console, public AuthorMessages {
public:
    void AddText(std::u16string_view text) override { AppendTranscript(text, m_text); }
    void Enter() override { m_text += '\n'; }
    void ClearText() override {}
    void Show(const AuthorMessage &message) override;

    // What was written since the last call.
    std::string Take() { return std::exchange(m_text, {}); }

private:
    std::string m_text;
};
