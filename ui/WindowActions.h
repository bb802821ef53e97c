#pragma once

#include "Theme.h"

#include <QList>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;

// Everything the player can ask of the game window by name, with its keys: the menu bar shows
// them all, the console's right-click menu the ones a reader needs at hand. The window connects
// them to what they do.
struct WindowActions {
    explicit WindowActions(QMainWindow &window);

    // «Игра»
    QAction *saveGame;
    QAction *restoreGame;
    QAction *undo;
    QAction *redo;
    QAction *restart;
    QAction *history;
    QAction *reload;
    QAction *clearConsole;
    QAction *settings;
    QAction *quit;
    // «Вид»
    QAction *zoomIn;
    QAction *zoomOut;
    QAction *zoomNormal;
    QAction *fullScreen;
    QActionGroup *themes; // one checkable action for each of kThemeChoices, in that order
    QAction *messagePanel;
    QAction *debugView;
    // «Справка»
    QAction *howToPlay;
    QAction *keys;
    QAction *about;

    QAction *themeAction(Theme theme) const;
    // The console's own items (copy, select all) and the window's that a reader needs at hand.
    void addToConsoleMenu(QMenu &menu) const;

private:
    void fillMenuBar(QMainWindow &window);
};
