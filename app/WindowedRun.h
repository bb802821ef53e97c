#pragma once

#include "engine/Script.h"

#include <QObject>
#include <QString>
#include <memory>

class Intro;
class MainForm;
class MessagePresenter;

// The run of the windowed program: the story the launcher chose opens in the game window, a
// story that cannot be read brings the launcher back, and closing the game window ends the run,
// whatever other window is still around.
class WindowedRun : public QObject {
    Q_OBJECT

public:
    // The game window reads its story in `encoding` (Detect: as its bytes tell).
    WindowedRun(Intro &intro, MessagePresenter &presenter,
                StoryEncoding encoding = StoryEncoding::Detect);
    ~WindowedRun() override;

    // The game window, once a story has started.
    MainForm *game() const { return m_game.get(); }

    // Plays the story for the rest of the run; the first story started is the only one.
    void play(const QString &file);

private:
    Intro &m_intro;
    MessagePresenter &m_presenter;
    StoryEncoding m_encoding;
    std::unique_ptr<MainForm> m_game;
};
