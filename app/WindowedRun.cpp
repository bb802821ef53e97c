#include "WindowedRun.h"

#include "launcher/Intro.h"
#include "ui/MainForm.h"

#include <QCoreApplication>

WindowedRun::WindowedRun(Intro &intro, MessagePresenter &presenter, StoryEncoding encoding)
    : m_intro(intro), m_presenter(presenter), m_encoding(encoding) {
    connect(&intro, &Intro::storyChosen, this, &WindowedRun::play);
}

WindowedRun::~WindowedRun() = default;

void WindowedRun::play(const QString &file) {
    if (m_game)
        return;
    // The story is read before its window shows: one that cannot be read is told about with no
    // empty game window behind the box, and the launcher stays for choosing another.
    m_game = std::make_unique<MainForm>(m_presenter, m_encoding);
    if (!m_game->LoadFile(file)) {
        m_game.reset();
        m_intro.show();
        return;
    }
    connect(m_game.get(), &MainForm::closed, QCoreApplication::instance(), &QCoreApplication::quit);
    m_intro.hide();
    m_game->show();
}
