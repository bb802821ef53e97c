#include "MessageRouter.h"

#include "MessagePanel.h"
#include "qt/MessagePresenter.h"

MessageRouter::MessageRouter(MessagePresenter &presenter, MessagePanel &panel, QWidget *window,
                             QObject *parent)
    : QObject(parent), m_presenter(presenter), m_panel(panel), m_window(window) {}

void MessageRouter::startGame() {
    m_unknownCommandsSilenced = false;
    startTurn();
}

void MessageRouter::startTurn() {
    m_turnBoxes = 0;
    m_turnAsked = false;
    m_turnToPanel = false;
    m_turnPanelWanted = false;
}

void MessageRouter::Show(const AuthorMessage &message) {
    switch (m_display) {
    case AuthorMessageDisplay::Boxes:
        showInBoxes(message);
        return;
    case AuthorMessageDisplay::Panel:
        toPanel(message);
        return;
    case AuthorMessageDisplay::Hidden:
        return;
    }
}

void MessageRouter::showInBoxes(const AuthorMessage &message) {
    if (message.kind == MessageKind::UnknownCommand && m_unknownCommandsSilenced) {
        // The author asked for no more of these boxes; the panel still lists them, quietly.
        m_panel.add(message);
        return;
    }
    if (m_turnToPanel || !goOnWithBoxes()) {
        toPanel(message);
        return;
    }
    ++m_turnBoxes;
    Q_EMIT boxAboutToShow();
    if (message.kind != MessageKind::UnknownCommand)
        m_presenter.Present(m_window, message);
    else if (!m_presenter.Ask(m_window, message))
        m_unknownCommandsSilenced = true;
}

// Whether this turn may show one more box: after a few the author chooses, after many the
// panel takes the rest anyway, so that a story that loops through a faulty line cannot ask for
// a box hundreds of thousands of times.
bool MessageRouter::goOnWithBoxes() {
    if (m_turnBoxes == kBoxesBeforeQuestion && !m_turnAsked) {
        m_turnAsked = true;
        Q_EMIT boxAboutToShow();
        m_turnToPanel = !m_presenter.Ask(
            m_window, {u"Сообщения автору",
                       u"В этом ходу уже несколько сообщений автору.\rПоказывать и дальше "
                       u"сообщения этого хода в окнах?\r«Нет»: остальные сообщения этого хода "
                       u"будут в панели сообщений, и игра не будет останавливаться.",
                       MessageIcon::Exclamation, MessageKind::Fault, 0});
    } else if (m_turnBoxes == kMostBoxes) {
        Q_EMIT boxAboutToShow();
        m_presenter.Present(m_window,
                            {u"Сообщения автору",
                             u"Слишком много сообщений за один ход: остальные сообщения этого "
                             u"хода будут в панели сообщений.",
                             MessageIcon::Exclamation, MessageKind::Fault, 0});
        m_turnToPanel = true;
    }
    return !m_turnToPanel;
}

void MessageRouter::toPanel(const AuthorMessage &message) {
    m_panel.add(message);
    if (!m_turnPanelWanted) {
        m_turnPanelWanted = true;
        Q_EMIT panelWanted();
    }
}
