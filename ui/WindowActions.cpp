#include "WindowActions.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction *action(QMainWindow &window, const char *name, const QString &text,
                const QList<QKeySequence> &keys = {}) {
    auto *created = new QAction(text, &window);
    created->setObjectName(QString::fromLatin1(name));
    created->setShortcuts(keys);
    // The actions are the window's, so their keys work wherever its focus is, the menu bar
    // hidden in full screen included.
    window.addAction(created);
    return created;
}

} // namespace

WindowActions::WindowActions(QMainWindow &window)
    : saveGame(action(window, "SaveGame", QStringLiteral("&Сохранить игру…"),
                      {QKeySequence(Qt::CTRL | Qt::Key_S)})),
      restoreGame(action(window, "RestoreGame", QStringLiteral("&Загрузить игру…"),
                         {QKeySequence(Qt::CTRL | Qt::Key_O)})),
      // The line edits its own text with these keys; it leaves them to the game when empty.
      undo(action(window, "Undo", QStringLiteral("&Отменить ход"),
                  {QKeySequence(Qt::CTRL | Qt::Key_Z)})),
      redo(action(
          window, "Redo", QStringLiteral("&Вернуть ход"),
          {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)})),
      restart(action(window, "Restart", QStringLiteral("&Начать заново…"))),
      history(action(window, "History", QStringLiteral("&История игры"),
                     {QKeySequence(Qt::CTRL | Qt::Key_H)})),
      reload(action(window, "Reload", QStringLiteral("&Перечитать историю"),
                    {QKeySequence(Qt::Key_F5)})),
      clearConsole(action(window, "ClearConsole", QStringLiteral("О&чистить консоль"),
                          {QKeySequence(Qt::CTRL | Qt::Key_L)})),
      settings(action(window, "Settings", QStringLiteral("Н&астройки..."),
                      {QKeySequence(Qt::CTRL | Qt::Key_Comma)})),
      quit(action(window, "Quit", QStringLiteral("В&ыход"), {QKeySequence(Qt::CTRL | Qt::Key_Q)})),
      // The keypad's keys come to the same shortcuts: Qt tries them without the keypad too.
      zoomIn(
          action(window, "ZoomIn", QStringLiteral("&Крупнее"),
                 {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)})),
      zoomOut(action(window, "ZoomOut", QStringLiteral("&Мельче"),
                     {QKeySequence(Qt::CTRL | Qt::Key_Minus)})),
      zoomNormal(action(window, "ZoomNormal", QStringLiteral("&Обычный размер"),
                        {QKeySequence(Qt::CTRL | Qt::Key_0)})),
      fullScreen(action(window, "FullScreen", QStringLiteral("&Во весь экран"),
                        {QKeySequence(Qt::Key_F11)})),
      themes(new QActionGroup(&window)),
      messagePanel(action(window, "MessagePanelShown", QStringLiteral("&Панель сообщений автору"))),
      debugView(action(window, "DebugViewShown", QStringLiteral("&Состояние мира (для автора)"),
                       {QKeySequence(Qt::Key_F12)})),
      howToPlay(action(window, "HowToPlay", QStringLiteral("Как &играть"))),
      keys(action(window, "Keys", QStringLiteral("&Клавиши"), {QKeySequence(Qt::Key_F1)})),
      about(action(window, "About", QStringLiteral("&О программе"))) {
    fullScreen->setCheckable(true);
    messagePanel->setCheckable(true);
    debugView->setCheckable(true);
    for (const ThemeChoice &choice : kThemeChoices) {
        QAction *theme = themes->addAction(choice.label.toString());
        theme->setObjectName(QStringLiteral("Theme-") + choice.key.toString());
        theme->setCheckable(true);
    }
    fillMenuBar(window);
}

void WindowActions::fillMenuBar(QMainWindow &window) {
    QMenu *game = window.menuBar()->addMenu(QStringLiteral("&Игра"));
    game->addActions({saveGame, restoreGame});
    game->addSeparator();
    game->addActions({undo, redo, restart});
    game->addSeparator();
    game->addActions({history, reload, clearConsole});
    game->addSeparator();
    game->addActions({settings, quit});

    QMenu *view = window.menuBar()->addMenu(QStringLiteral("&Вид"));
    view->addActions({zoomIn, zoomOut, zoomNormal});
    view->addSeparator();
    view->addAction(fullScreen);
    QMenu *colours = view->addMenu(QStringLiteral("&Цвета"));
    colours->addActions(themes->actions());
    view->addSeparator();
    view->addActions({messagePanel, debugView});

    QMenu *help = window.menuBar()->addMenu(QStringLiteral("&Справка"));
    help->addActions({howToPlay, keys, about});
}

QAction *WindowActions::themeAction(Theme theme) const {
    for (std::size_t i = 0; i < kThemeChoices.size(); ++i)
        if (kThemeChoices[i].theme == theme)
            return themes->actions().at(qsizetype(i));
    return nullptr;
}

void WindowActions::addToConsoleMenu(QMenu &menu) const {
    menu.addSeparator();
    menu.addActions({clearConsole, settings});
    menu.addSeparator();
    menu.addActions({saveGame, restoreGame, undo, redo, restart, history});
}
