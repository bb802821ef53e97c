#pragma once

#include "game/Game.h"

#include <QProgressDialog>
#include <memory>

// While a game's turns are played again (a restore, an undo, a reload), a story whose turns are
// slow could keep the window still for long: after half a second this dialog shows how far the
// replay has come, and «Отмена» stops it, leaving the game as it was. It is made when the first
// turn is played again: a dialog counts its half second from when it is made, and a new game,
// which plays nothing again, must never show it, however long its opening runs.
class ReplayProgressDialog {
public:
    ReplayProgressDialog(QWidget *window, QString what)
        : m_window(window), m_what(std::move(what)) {}

    // For the game to call as it replays.
    ReplayProgress Callback();

private:
    QWidget *m_window;
    QString m_what;
    std::unique_ptr<QProgressDialog> m_dialog;
};
