#pragma once

#include "game/Game.h"

#include <QProgressDialog>

// While a game's turns are played again (a restore, an undo, a reload), a story whose turns are
// slow could keep the window still for long: after half a second this dialog shows how far the
// replay has come, and «Отмена» stops it, leaving the game as it was.
class ReplayProgressDialog {
public:
    ReplayProgressDialog(QWidget *window, const QString &what);

    // For the game to call as it replays.
    ReplayProgress Callback();

private:
    QProgressDialog m_dialog;
};
