#pragma once

#include "engine/AuthorMessages.h"

#include <QWidget>
#include <memory>

class MessagePresenter;
class Opts;
class QAction;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class Story;
class WidgetConsole;

// The game window: the console Output, the input line Input1 and the default button BtnOk that
// the Enter key presses. It plays one story for the rest of the run; closing it ends the
// program, whatever other window is still around.
class MainForm : public QWidget, public AuthorMessages {
    Q_OBJECT

public:
    explicit MainForm(MessagePresenter &presenter, QWidget *parent = nullptr);
    ~MainForm() override;

    // Reads the story and runs its opening; false, after telling the player why, when there was
    // no story to run.
    bool LoadFile(const QString &filename);
    const Story &story() const { return *m_story; }

    void Show(const AuthorMessage &message) override;

    void openSettings();
    void clearConsole();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void layoutControls();
    void createActions();
    void connectControls();
    void createStory();

    void playTurn();
    void showConsoleMenu(const QPoint &position);
    void setConsoleFontSize(double points);

    MessagePresenter &m_presenter;

    QPlainTextEdit *m_output = nullptr;
    QLineEdit *m_input = nullptr;
    QPushButton *m_ok = nullptr;
    Opts *m_opts = nullptr;

    QAction *m_clearAction = nullptr;
    QAction *m_settingsAction = nullptr;

    std::unique_ptr<WidgetConsole> m_console;
    std::unique_ptr<Story> m_story;

    static constexpr int kMaxTurnBoxes = 1000;
    int m_turnBoxes = 0; // the messages to the author this turn has shown or dropped
};
