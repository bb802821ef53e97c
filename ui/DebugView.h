#pragma once

#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;
struct StorySnapshot;

// What the story's world holds, for its author (objectName DebugView, F12 in the game window):
// the current room (name, title, number), the items here and the items carried, the variables
// with their values, the line the script stands on and the last waiting point, each line
// numbered from 1 as editors number them, and the line where the command of the last message to
// the author is written (a function's body, not the waiting point its box names). Read-only; it
// shows the story as the last refresh found it, so call refresh after each turn while it is shown,
// and when it is opened.
class DebugView : public QWidget {
    Q_OBJECT

public:
    explicit DebugView(QWidget *parent = nullptr);

    void refresh(const StorySnapshot &story);

private:
    void fillRoom(const StorySnapshot &story);
    void fillItems(const StorySnapshot &story);
    void fillVariables(const StorySnapshot &story);
    void fillScriptLines(const StorySnapshot &story);

    QTreeWidget *m_tree = nullptr;
    QTreeWidgetItem *m_room = nullptr;
    QTreeWidgetItem *m_itemsHere = nullptr;
    QTreeWidgetItem *m_itemsCarried = nullptr;
    QTreeWidgetItem *m_variables = nullptr;
    QTreeWidgetItem *m_scriptLine = nullptr;
    QTreeWidgetItem *m_waitingPoint = nullptr;
    QTreeWidgetItem *m_messageLine = nullptr;
};
