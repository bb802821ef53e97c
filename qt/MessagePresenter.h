#pragma once

#include "engine/AuthorMessages.h"

#include <QStringList>

class QWidget;

// Shows one message and returns when the player has answered it. The windows show every box
// through this, so that tests can answer the boxes at once.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual void Present(QWidget *parent, const AuthorMessage &message) = 0;
    // Asks a question that «Да» and «Нет» answer; true for «Да», which always means "go on as
    // before". A presenter that cannot ask shows the question as a message, and the answer is «Да».
    virtual bool Ask(QWidget *parent, const AuthorMessage &question) {
        Present(parent, question);
        return true;
    }
    // Offers the answers as buttons, the first the default; the index of the one chosen. A
    // presenter that cannot ask shows the question as a message, and the answer is the first.
    virtual int Choose(QWidget *parent, const AuthorMessage &question, const QStringList &answers) {
        Q_UNUSED(answers);
        Present(parent, question);
        return 0;
    }
};

// A modal message box with one OK button, or «Да» and «Нет» for a question; the lines of the
// message, separated by CR, each on a line of their own.
class MessageBoxPresenter : public MessagePresenter {
public:
    void Present(QWidget *parent, const AuthorMessage &message) override;
    bool Ask(QWidget *parent, const AuthorMessage &question) override;
    int Choose(QWidget *parent, const AuthorMessage &question, const QStringList &answers) override;
};
