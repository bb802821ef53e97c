#pragma once

#include "AuthorMessageDisplay.h"
#include "engine/AuthorMessages.h"

#include <QObject>

class MessagePanel;
class MessagePresenter;
class QWidget;

// Decides, for each message a story has for its author, what the game window shows: a box, an
// entry in the message panel, or nothing, by the setting «Сообщения автору». The game hands on
// up to a thousand messages a turn, and a box stops the game until it is closed, so the boxes
// are bounded here:
// - the unknown-command box asks «Предупреждать об это в дальнейшем?»; «Нет» sends the unknown
//   commands of the rest of this game to the panel, without a box;
// - after kBoxesBeforeQuestion boxes in one turn the author is asked whether to go on with
//   boxes; «Нет» sends the rest of the turn's messages to the panel;
// - past kMostBoxes boxes in one turn the rest go to the panel whatever the answer was.
// It is the game's AuthorMessages: give it to the game, and tell it when a game and a turn begin.
class MessageRouter : public QObject, public AuthorMessages {
    Q_OBJECT

public:
    static constexpr int kBoxesBeforeQuestion = 3;
    static constexpr int kMostBoxes = 50;

    // The boxes belong to `window`; the panel is filled whether it is shown or not.
    MessageRouter(MessagePresenter &presenter, MessagePanel &panel, QWidget *window,
                  QObject *parent = nullptr);

    void setDisplay(AuthorMessageDisplay display) { m_display = display; }
    AuthorMessageDisplay display() const { return m_display; }

    // A new game (a story loaded, restarted or restored): unknown commands warn again.
    void startGame();
    // A turn, or a game's opening, begins: its boxes are counted anew.
    void startTurn();

    void Show(const AuthorMessage &message) override;

Q_SIGNALS:
    // A box is about to be shown: what the story printed before it should be on the screen.
    void boxAboutToShow();
    // A message went to the panel for the author to read there: show the panel. Once a turn.
    void panelWanted();

private:
    void showInBoxes(const AuthorMessage &message);
    bool goOnWithBoxes();
    void toPanel(const AuthorMessage &message);

    MessagePresenter &m_presenter;
    MessagePanel &m_panel;
    QWidget *m_window;
    AuthorMessageDisplay m_display = AuthorMessageDisplay::Boxes;
    bool m_unknownCommandsSilenced = false; // for the rest of this game
    int m_turnBoxes = 0;
    bool m_turnAsked = false;   // whether to go on with boxes
    bool m_turnToPanel = false; // the rest of this turn's messages go to the panel
    bool m_turnPanelWanted = false;
};
