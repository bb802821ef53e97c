#pragma once

#include "engine/AuthorMessages.h"
#include "game/PanelEntry.h"

#include <QList>
#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;
class QTreeView;
class MessageList;

// The messages to the story's author as a list beside the console (objectName MessagePanel):
// the story line each concerns, its title and its text, the newest at the bottom. Adding one
// never stops the game: the list takes in what was added when the window next draws, so a turn
// that reports a million messages costs one update. It keeps the newest kMostEntries; a note
// above it counts those it dropped. «Копировать» (or Ctrl+C) copies the chosen entries, all of
// them when none is chosen; «Очистить» empties the list.
class MessagePanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMostEntries = kMostPanelEntries;

    explicit MessagePanel(QWidget *parent = nullptr);
    ~MessagePanel() override;

    void add(const AuthorMessage &message);
    void clear();
    void copy();

    // Entries kept, and entries dropped since the last clear, counting those not yet shown.
    int count() const;
    qint64 dropped() const;
    // The entries of these rows (all rows when none is given) as copied: one a line,
    // "Строка N. Title: text", the text's lines joined.
    QString copiedText(const QList<int> &rows = {});

private:
    void createControls();
    void layoutControls();
    void connectControls();
    void showAdded();

    std::unique_ptr<MessageList> m_list;
    QTreeView *m_view = nullptr;
    QLabel *m_droppedNote = nullptr;
    QPushButton *m_copy = nullptr;
    QPushButton *m_clear = nullptr;
    bool m_showScheduled = false;
};
