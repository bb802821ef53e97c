#pragma once

#include <QString>

// A modal message to the story's author: the story goes on once it is answered.
enum class MessageIcon {
    None,
    Error,
    Exclamation
};

struct AuthorMessage {
    QString title;
    QString text; // lines separated by CR alone
    MessageIcon icon = MessageIcon::None;
};

// The title of the boxes that have none of their own.
inline const QString kApplicationTitle = QStringLiteral("Зуфт Win");

class AuthorMessages {
public:
    virtual ~AuthorMessages() = default;
    virtual void Show(const AuthorMessage &message) = 0;
};
