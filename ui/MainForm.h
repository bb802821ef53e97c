#pragma once

#include "WindowSettings.h"
#include "engine/Script.h"
#include "game/TypedLines.h"

#include <QMainWindow>
#include <memory>

class Autosave;
class CommandLine;
class DebugView;
class Game;
class HistoryView;
class MessagePanel;
class MessagePresenter;
class MessageRouter;
class Opts;
class QDockWidget;
class QLabel;
class QTimer;
class QPlainTextEdit;
class SavedGames;
class TurnAnnouncer;
class WidgetConsole;
struct WindowActions;

// The game window: the console Output above the input line Input1, where the player types a
// command and presses Enter. It plays one story for the rest of the run, through a Game, which
// keeps every turn in an autosave, so that the story opened again goes on where it stood.
// Beside them, for the story's author: the panel of messages, the debug view of the world, and
// the history of the game in a window of its own.
class MainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit MainForm(MessagePresenter &presenter, StoryEncoding encoding = StoryEncoding::Detect,
                      QWidget *parent = nullptr);
    ~MainForm() override;

    // Reads the story, shows the window, and brings back the story's game or runs its opening;
    // false, after telling the player why and with the window still hidden, when there was no
    // story to run.
    bool LoadFile(const QString &filename);
    const Game &game() const { return *m_game; }
    SavedGames &savedGames() { return *m_savedGames; }

    void openSettings();
    void clearConsole();
    void zoom(int steps); // 0: back to the normal size
    void setFullScreen(bool on);
    void setTheme(Theme theme);

    // Where the game window keeps its games: the autosaves and the player's saves.
    static QString DataFolder();

Q_SIGNALS:
    // The player closed the window: the game is kept, and the run is over.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createControls();
    void createDocks();
    QDockWidget *addHiddenDock(const QString &title, const char *name, QWidget *content);
    void layoutControls();
    void createActions();
    void connectControls();
    void createGame();
    void readSettings();

    void chooseHowToShareGame();
    void playTurn(const QString &line);
    void afterTurn();
    void gameChanged();
    void catchUpTypedLines();
    void showWholeHistory();
    void reload();
    void showHistory();
    void showDebugView(bool shown);
    void showDock(QDockWidget &dock, bool shown);
    void refreshAuthorViews();
    void applyPreferences(const WindowPreferences &preferences);
    void keepPreferences();
    void reportSettingsTrouble();
    void showConsoleMenu(const QPoint &position);
    void showNote(const QString &text);
    void showBox(const QString &title, const QString &text);
    void reportAutosaveTrouble();
    void keepGeometry();
    void updateActions();
    int readableWidth() const;

    MessagePresenter &m_presenter;
    std::unique_ptr<MessagePresenter> m_boxes; // the presenter, giving the focus back after each
    StoryEncoding m_encoding;
    WindowSettings m_settings;
    WindowPreferences m_preferences;
    bool m_settingsTroubleTold = false;
    QTimer *m_geometryKeeper = nullptr; // a moment after the window last moved or changed size

    QWidget *m_column = nullptr; // the console above the input line
    QPlainTextEdit *m_output = nullptr;
    CommandLine *m_input = nullptr;
    TurnAnnouncer *m_announcer = nullptr;
    QLabel *m_note = nullptr; // in the status line: what the last game action came to
    Opts *m_opts = nullptr;
    MessagePanel *m_panel = nullptr;
    QDockWidget *m_panelDock = nullptr;
    DebugView *m_debugView = nullptr;
    QDockWidget *m_debugDock = nullptr;
    HistoryView *m_history = nullptr;
    std::unique_ptr<WindowActions> m_actions;

    std::unique_ptr<WidgetConsole> m_console;
    MessageRouter *m_router = nullptr; // the game's messages to the author
    std::unique_ptr<Game> m_game;
    TypedLines::Seen m_typedSeen; // how much of the game's typed lines the input line holds
    std::unique_ptr<Autosave> m_autosave;
    SavedGames *m_savedGames = nullptr;
};
