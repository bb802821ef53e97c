#pragma once

#include <QObject>
#include <QString>

class Game;
class MessagePresenter;
class QWidget;

// The actions of the menu «Игра» on the game being played: save it to a file the player names,
// restore one, take turns back and play them again, start the story afresh. Each tells the
// player what came of it: a note in the status line when all went well, a box when something
// went wrong or the player should know more (a story that changed since the save).
class SavedGames : public QObject {
    Q_OBJECT

public:
    // The file dialogs open in `savesFolder`.
    SavedGames(Game &game, MessagePresenter &presenter, QWidget *window, QString savesFolder);

    void save();
    void restore();
    bool saveTo(const QString &path);
    bool restoreFrom(const QString &path);
    void undo();
    void redo();
    // Asks first: the player may have pressed the key by mistake.
    void restart();

Q_SIGNALS:
    // A game is about to start from the story's opening: a restart, or a restore.
    void aboutToStartGame();
    // The console, the input line and the world are now another game's, or another turn's.
    void gameChanged();
    // A short sentence for the status line.
    void note(const QString &text);

private:
    QString suggestedFile() const;
    void tell(const QString &title, const QString &text);

    Game &m_game;
    MessagePresenter &m_presenter;
    QWidget *m_window;
    QString m_savesFolder;
};
