#pragma once

#include <string>

// A message to the story's author: the story goes on once the host has dealt with it. The host
// decides how to show it (a box, a panel, a record in a transcript) or whether to at all.
enum class MessageIcon {
    None,
    Error,
    Exclamation
};

// What a message is about, so that a host can let the author silence one kind.
enum class MessageKind {
    UnknownCommand, // a command word the story does not know
    Trace,          // the trace of a condition, and "n0!"
    Fault           // a malformed command, an exceeded limit, a story that cannot be read
};

struct AuthorMessage {
    std::u16string title;
    std::u16string text; // lines separated by CR alone
    MessageIcon icon = MessageIcon::None;
    MessageKind kind = MessageKind::Fault;
    // The story line, counted from 1, where the command it concerns is written: the line of a
    // function's body for a command of the body, whichever waiting point the box's own text
    // names. 0 for none.
    int line = 0;
    // The box that says a turn was stopped: however many boxes the turn showed before, the
    // author always learns why it ended.
    bool stopsTurn = false;
};

// The title of the boxes that have none of their own.
inline constexpr char16_t kApplicationTitle[] = u"Зуфт Win";

class AuthorMessages {
public:
    virtual ~AuthorMessages() = default;
    virtual void Show(const AuthorMessage &message) = 0;
};
