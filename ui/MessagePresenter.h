#pragma once

#include "engine/AuthorMessages.h"

class QWidget;

// Shows one message and returns when the player has answered it. The windows show every box
// through this, so that tests can answer the boxes at once.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual void Present(QWidget *parent, const AuthorMessage &message) = 0;
};

// A modal message box with one OK button; the lines of the message, separated by CR, each on a
// line of their own.
class MessageBoxPresenter : public MessagePresenter {
public:
    void Present(QWidget *parent, const AuthorMessage &message) override;
};
