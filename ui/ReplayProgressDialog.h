#pragma once

#include "game/Game.h"

#include <QElapsedTimer>
#include <QObject>
#include <QProgressDialog>
#include <memory>

// While a game's turns are played again (a restore, an undo, a reload), a story whose turns are
// slow could keep the window still for long: half a second after the replay starts this dialog
// shows how far it has come, and «Отмена» or Escape stops it, leaving the game as it was. It is
// made when the replay first reports: a new game, which plays nothing again, never shows it,
// however long its opening runs. Letters typed meanwhile are no answer to the dialog: they wait
// for the input line, where they are put when the dialog goes, and Enter presses nothing.
class ReplayProgressDialog : public QObject {
public:
    ReplayProgressDialog(QWidget *window, QString what);
    ~ReplayProgressDialog() override;

    // For the game to call as it replays.
    ReplayProgress Callback();

    static constexpr int kShownAfterMs = 500;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool report(std::size_t done, std::size_t total);

    QWidget *m_window;
    QString m_what;
    std::unique_ptr<QProgressDialog> m_dialog;
    QElapsedTimer m_since;
    QString m_typed; // while the dialog stood in front of the window
};
